#include "url_export_error.h"

#include <cstring>

#include "export_messages.h"

namespace UrlExport {

std::string exportMessage(const Result& result, const std::string& templatePath, const std::string& outputPath) {
    const MessageInserts inserts{templatePath, result.line, outputPath};
    std::string text;
    if (result.code != 0 && moduleMessage(result.code, inserts, text)) return text;
    return builtInMessage(result.code, inserts);
}

void formatExportMessage(const Result& result, char* buffer, std::size_t size, const std::string& templatePath,
                         const std::string& outputPath) {
    if (size == 0) return;
    const std::string text = exportMessage(result, templatePath, outputPath);
    std::size_t length = text.size() < size ? text.size() : size - 1;
    // A UTF-8 character cut in two would show as a wrong one.
    while (length < text.size() && length > 0 && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80)
        --length;
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
}

}  // namespace UrlExport
