#include "export_collection.h"

#include <string>

#include "core/file_io.h"
#include "core/replacing_file.h"
#include "same_file.h"
#include "template_exporter.h"
#include "template_output.h"
#include "url_export_error.h"

namespace {
// The whole template, read once: the engine reads stretches of it again for
// every bookmark, which is cheap in memory and costly from a file.
Result readTemplate(const std::string& path, std::string& bytes) {
    InputFile file;
    Result opened = file.open(path);
    if (!opened) return opened;
    constexpr std::size_t kChunk = 1 << 16;
    bytes.clear();
    for (;;) {
        const std::size_t used = bytes.size();
        bytes.resize(used + kChunk);
        const std::size_t got = file.read(bytes.data() + used, kChunk);
        bytes.resize(used + got);
        if (got != 0) continue;
        // Half a template would export as if it were whole.
        if (file.failed()) return Result::failure(ResultStatus::ReadFailed, path, bytes.size());
        return {};
    }
}

Result outputFailure(const std::string& outputPath) {
    Result result = Result::failure(ResultStatus::WriteFailed, outputPath);
    result.code = UrlExport::OutputNotWritable;
    return result;
}
}  // namespace

Result exportCollection(const Folder& root, const std::string& templatePath, const std::string& outputPath,
                        const std::string& collectionPath) {
    std::string templateBytes;
    Result read = readTemplate(templatePath, templateBytes);
    if (!read) {
        read.code = UrlExport::TemplateNotReadable;
        return read;
    }
    // Replacing the template by its own export would lose it.
    if (isSameExistingFile(templatePath, outputPath)) return outputFailure(outputPath);
    // Replacing the collection by a page of it would lose every bookmark.
    if (!collectionPath.empty() && isSameExistingFile(collectionPath, outputPath)) {
        Result result = outputFailure(outputPath);
        result.code = UrlExport::OutputIsCollection;
        return result;
    }

    ReplacingFile file(outputPath);  // discards the temporary on every early exit
    if (!file.open()) return outputFailure(outputPath);
    TemplateOutput out(file);
    Result expanded = TemplateExporter(templateBytes, root).run(out);
    if (!expanded) return expanded.at(templatePath);
    if (!out.flush() || !file.commit()) return outputFailure(outputPath);
    return {};
}
