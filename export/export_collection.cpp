#include "export_collection.h"

#include <string>

#include "core/file_io.h"
#include "core/replacing_file.h"
#include "same_file.h"
#include "template_exporter.h"
#include "template_output.h"
#include "url_export_error.h"

using UrlExport::Error;

namespace {
// The whole template, read once: the engine reads stretches of it again for
// every bookmark, which is cheap in memory and costly from a file.
bool readTemplate(const std::string& path, std::string& bytes) {
    InputFile file;
    if (!file.open(path)) return false;
    constexpr std::size_t kChunk = 1 << 16;
    bytes.clear();
    for (;;) {
        const std::size_t used = bytes.size();
        bytes.resize(used + kChunk);
        const std::size_t got = file.read(bytes.data() + used, kChunk);
        bytes.resize(used + got);
        // A read error counts as the end of the template.
        if (got == 0) return true;
    }
}
}  // namespace

void exportCollection(const Folder& root, const std::string& templatePath, const std::string& outputPath) {
    std::string templateBytes;
    if (!readTemplate(templatePath, templateBytes)) throw Error(UrlExport::TemplateNotReadable, 0);
    // Replacing the template by its own export would lose it.
    if (isSameExistingFile(templatePath, outputPath)) throw Error(UrlExport::OutputNotWritable, 0);

    ReplacingFile file(outputPath);  // discards the temporary on every early exit
    if (!file.open()) throw Error(UrlExport::OutputNotWritable, 0);
    TemplateOutput out(file);
    TemplateExporter(templateBytes, root).run(out);
    out.flush();
    if (!file.commit()) throw Error(UrlExport::OutputNotWritable, 0);
}
