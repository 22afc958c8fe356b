#include "export_collection.h"

#include <cstdint>
#include <string>
#include <vector>

#include "core/bookmark_node.h"
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

// For the progress: a million nodes are counted in milliseconds.
std::uint64_t nodesBelow(const Folder& root) {
    std::uint64_t nodes = 0;
    std::vector<const Folder*> folders{&root};
    while (!folders.empty()) {
        const Folder* folder = folders.back();
        folders.pop_back();
        nodes += folder->childCount();
        for (ChildPosition at = folder->childrenBegin(); !at.isEnd(); ++at)
            if (const Folder* inner = at.node()->asFolder()) folders.push_back(inner);
    }
    return nodes;
}

Result outputFailure(const std::string& outputPath) {
    Result result = Result::failure(ResultStatus::WriteFailed, outputPath);
    result.code = UrlExport::OutputNotWritable;
    return result;
}
}  // namespace

Result exportCollection(const Folder& root, const std::string& templatePath, const std::string& outputPath,
                        const std::string& collectionPath, Progress* progress) {
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
    Result expanded = TemplateExporter(templateBytes, root, progress, progress ? nodesBelow(root) : 0).run(out);
    if (!expanded) return expanded.at(templatePath);
    if (!out.flush() || !file.commit()) return outputFailure(outputPath);
    return {};
}
