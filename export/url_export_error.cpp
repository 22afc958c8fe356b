#include "url_export_error.h"

#include <cstring>

#include "export_messages.h"

namespace UrlExport {

std::string Error::message(const std::string& templatePath, const std::string& outputPath) const {
    const MessageInserts inserts{templatePath, line, outputPath};
    std::string text;
    if (code != 0 && moduleMessage(code, inserts, text)) return text;
    return builtInMessage(code, inserts);
}

void Error::formatMessage(char* buffer, std::size_t size, const std::string& templatePath,
                          const std::string& outputPath) const {
    if (size == 0) return;
    const std::string text = message(templatePath, outputPath);
    const std::size_t length = text.size() < size ? text.size() : size - 1;
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
}

}  // namespace UrlExport
