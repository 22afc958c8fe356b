// Exports a collection of about 1,000,000 nodes through the shipped page
// template (UTF-8) and through a small outline template (ANSI code page),
// and prints the speed of each beside the floor: writing the same number of
// bytes sequentially. Once with ASCII text, once with mostly Cyrillic and
// Chinese text, which the outline writes as "?". "tool" is the command-line
// tool's export of the saved collection, which reads it first.
//
// Usage: export_bench [SCRATCH_FOLDER [TEMPLATE_FOLDER]]

#include <cstdio>
#include <ctime>
#include <string>

#include "bench_support.h"
#include "cli/export_command.h"
#include "core/collection.h"
#include "core/file_io.h"
#include "export/export_collection.h"
#include "export/template_exporter.h"
#include "export/template_output.h"
#include "export/url_export_error.h"

namespace {
constexpr int kTopFolders = 1000;
constexpr int kSubfolders = 10;
constexpr int kLinksPerSubfolder = 99;

// The words of the collection's text.
struct Words {
    const char* label;
    const char* topic;
    const char* subtopic;
    const char* article;
    const char* title;
    const char* address;
    const char* readLater;
    const char* foundVia;
};
const Words kAsciiWords = {"ASCII text", "Topic ", "Subtopic ", "Article ", " - News & notes about everything",
                           "http://www.example.com/archive/", "Read later", "found via <search> "};
const Words kNonLatinWords = {
    "mostly Cyrillic and Chinese text", "\xD0\xA2\xD0\xB5\xD0\xBC\xD0\xB0 ", "\xE4\xB8\xBB\xE9\xA2\x98 ",
    "\xD0\xA1\xD1\x82\xD0\xB0\xD1\x82\xD1\x8C\xD1\x8F ",
    " \xE2\x80\x94 \xD0\x9D\xD0\xBE\xD0\xB2\xD0\xBE\xD1\x81\xD1\x82\xD0\xB8 & "
    "\xE6\x96\xB0\xE9\x97\xBB\xE4\xB8\x8E\xE7\xAC\x94\xE8\xAE\xB0",
    "http://\xD0\xBF\xD1\x80\xD0\xB8\xD0\xBC\xD0\xB5\xD1\x80.\xD1\x80\xD1\x84/"
    "\xD0\xB0\xD1\x80\xD1\x85\xD0\xB8\xD0\xB2/",
    "\xE7\xA8\x8D\xE5\x90\x8E\xE9\x98\x85\xE8\xAF\xBB", "\xE6\x9D\xA5\xE8\x87\xAA <\xE6\x90\x9C\xE7\xB4\xA2> "};

// 1,000 folders of 10 folders of 99 links: 1,001,000 nodes; every third link
// has a two-line description, as real collections have now and then.
void buildCollection(Collection& c, const Words& words) {
    c.setTitle(&c, "Benchmark collection");
    int number = 0;
    for (int top = 0; top < kTopFolders; ++top) {
        Folder* topFolder = c.appendFolder(&c).node()->asFolder();
        c.setTitle(topFolder, words.topic + std::to_string(top));
        for (int sub = 0; sub < kSubfolders; ++sub) {
            Folder* folder = c.appendFolder(topFolder).node()->asFolder();
            c.setTitle(folder, words.subtopic + std::to_string(top) + "." + std::to_string(sub));
            for (int i = 0; i < kLinksPerSubfolder; ++i, ++number) {
                Link* link = c.appendLink(folder).node()->asLink();
                const std::string n = std::to_string(number);
                c.setTitle(link, words.article + n + words.title);
                c.setUrl(link, words.address + n + "/index.html?lang=en");
                if (number % 3 == 0) c.setDescription(link, words.readLater + ("\r\n" + (words.foundVia + n)));
            }
        }
    }
}

// A small outline: one line per folder and link, brackets around each level.
const char kOutlineTemplate[] =
    "{title}{nl}{collection}\r\n"
    "{folderstart}[{level}{/folderstart}\r\n"
    "{folder}F {id} {title} in {parentid}{nl}{/folder}\r\n"
    "{url}L {id} {title} = {link} in {parentid}{nl}{/url}\r\n"
    "{folderend}]{nl}{/folderend}\r\n"
    "{/collection}total {id}{nl}\r\n";

// The shipped templates: the second argument, or those of the source tree.
std::string templateFolder(int argc, char** argv) { return argc > 2 ? argv[2] : LINKHAVEN_TEMPLATE_DIR; }

// Processor time of this process: on a machine shared with other work the
// clock on the wall says more about the neighbours than about the export.
class CpuStopwatch {
public:
    double seconds() const { return static_cast<double>(std::clock() - start_) / CLOCKS_PER_SEC; }

private:
    std::clock_t start_ = std::clock();
};

class DiscardingSink final : public ByteSink {
public:
    bool write(const char*, std::size_t size) override {
        bytes += size;
        return true;
    }
    std::uint64_t bytes = 0;
};

std::string readWholeFile(const std::string& path) {
    InputFile file;
    std::string bytes;
    if (!file.open(path)) return bytes;
    char buffer[1 << 16];
    for (std::size_t got; (got = file.read(buffer, sizeof buffer)) > 0;) bytes.append(buffer, got);
    return bytes;
}

// The engine alone: the same export with the output thrown away.
void measureEngine(const char* name, const Collection& c, const std::string& templatePath) {
    const std::string templateText = readWholeFile(templatePath);
    DiscardingSink sink;
    CpuStopwatch cpu;
    Stopwatch watch;
    TemplateOutput out(sink);
    TemplateExporter(templateText, c).run(out);
    out.flush();
    const double seconds = watch.seconds(), cpuSeconds = cpu.seconds();
    std::printf("%-10s %8.1f MB in %6.3f s = %7.1f MB/s, processor %6.3f s   (engine only, output discarded)\n",
                name, megabytes(sink.bytes), seconds, megabytes(sink.bytes) / seconds, cpuSeconds);
}

void measure(const char* name, const Collection& c, const std::string& templatePath, const std::string& output) {
    CpuStopwatch cpu;
    Stopwatch watch;
    const Result exported = exportCollection(c, templatePath, output);
    if (!exported) {
        std::printf("%-10s failed: %s\n", name, UrlExport::exportMessage(exported, templatePath, output).c_str());
        return;
    }
    const double seconds = watch.seconds(), cpuSeconds = cpu.seconds();
    const std::uint64_t bytes = fileSize(output);
    removeFile(output);
    const double floorSeconds = sequentialWriteSeconds(output + ".floor", bytes);
    std::printf("%-10s %8.1f MB in %6.3f s = %7.1f MB/s, processor %6.3f s   (floor, a sequential write of as "
                "many bytes: %6.3f s = %7.1f MB/s)\n",
                name, megabytes(bytes), seconds, megabytes(bytes) / seconds, cpuSeconds, floorSeconds,
                megabytes(bytes) / floorSeconds);
}
void measureTool(const char* name, const std::string& collectionPath, const std::string& templatePath,
                 const std::string& output) {
    removeFile(output);
    std::FILE* discard = std::tmpfile();
    CpuStopwatch cpu;
    Stopwatch watch;
    const int status = runExportCommand({collectionPath, templatePath, output}, discard, stderr);
    const double seconds = watch.seconds(), cpuSeconds = cpu.seconds();
    std::fclose(discard);
    if (status != 0) return;
    const std::uint64_t bytes = fileSize(output);
    removeFile(output);
    const double floorSeconds = sequentialWriteSeconds(output + ".floor", bytes);
    std::printf("%-10s %8.1f MB in %6.3f s = %7.1f MB/s, processor %6.3f s   (the command-line tool; floor %6.3f s)\n",
                name, megabytes(bytes), seconds, megabytes(bytes) / seconds, cpuSeconds, floorSeconds);
}
}  // namespace

int main(int argc, char** argv) {
    const std::string folder = benchFolder(argc, argv);
    const std::string outlinePath = folder + "/export-bench-outline.lht";
    {
        OutputFile file;
        removeFile(outlinePath);
        if (!file.createNew(outlinePath) || !file.write(kOutlineTemplate, sizeof kOutlineTemplate - 1) ||
            !file.flushAndClose()) {
            std::printf("cannot write %s\n", outlinePath.c_str());
            return 1;
        }
    }
    const std::string pagePath = templateFolder(argc, argv) + "/page.lht";
    for (const Words* words : {&kAsciiWords, &kNonLatinWords}) {
        Collection collection;
        buildCollection(collection, *words);
        const int nodes = kTopFolders * (1 + kSubfolders * (1 + kLinksPerSubfolder));
        const int folders = 1 + kTopFolders * (1 + kSubfolders);
        std::printf("collection in %s: %d nodes below the root; the collection body is read %d times per export\n",
                    words->label, nodes, 2 * folders + nodes);
        measureEngine("page.lht", collection, pagePath);
        measureEngine("outline", collection, outlinePath);
        measure("page.lht", collection, pagePath, folder + "/export-bench-page.html");
        measure("outline", collection, outlinePath, folder + "/export-bench-outline.txt");
        const std::string saved = folder + "/export-bench.lhv";
        removeFile(saved);
        if (collection.save(saved)) {
            measureTool("page.lht", saved, pagePath, folder + "/export-bench-page.html");
            measureTool("outline", saved, outlinePath, folder + "/export-bench-outline.txt");
        }
        removeFile(saved);
    }
    removeFile(outlinePath);
    std::printf("peak memory: %.1f MB\n", megabytes(peakMemoryBytes()));
    return 0;
}
