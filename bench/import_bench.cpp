// Imports generated Netscape bookmark files in the style of a modern browser
// export (long ICON data attributes on a third of the links, DD descriptions,
// non-ASCII titles, nested folders) into a collection, and prints the time
// beside the floor: reading the same file and counting its '<' bytes. "tool s"
// is the command-line tool's import, which also saves the collection.
// With --non-latin the titles, descriptions and folder names are mostly
// Cyrillic and Chinese instead of mostly ASCII; with --keep the generated
// files stay, for timing other programs on them. Where KEditBookmarks is
// installed, its import of the same file is timed too, in the same run.
//
// Usage: import_bench [--non-latin] [--keep] [SCRATCH_FOLDER]

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#ifndef _WIN32
#include <unistd.h>
#endif

#include "bench_support.h"
#include "cli/import_command.h"
#include "core/collection.h"
#include "core/file_io.h"
#include "import/file_list_importer.h"
#include "import/item_insertion.h"

namespace {
constexpr int kLinksPerFolder = 40;
constexpr int kFoldersPerLevel = 5;

struct Texts {
    const char* title;
    const char* description;
    const char* folder;
};
constexpr Texts kLatinTexts = {
    "Caf\xC3\xA9 cr\xC3\xA8me &amp; \xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82 \xE2\x80\x94 article ",
    "A description of the page, long enough to read like a real one &#39;",
    "Folder \xC3\x9C",
};
// "Главная страница &amp; 书签栏 微博 — статья", "Описание страницы, достаточно
// длинное, чтобы читаться как настоящее, 页面的说明 &#39;", "Папка 文件夹".
constexpr Texts kNonLatinTexts = {
    "\xD0\x93\xD0\xBB\xD0\xB0\xD0\xB2\xD0\xBD\xD0\xB0\xD1\x8F \xD1\x81\xD1\x82\xD1\x80\xD0\xB0"
    "\xD0\xBD\xD0\xB8\xD1\x86\xD0\xB0 &amp; \xE4\xB9\xA6\xE7\xAD\xBE\xE6\xA0\x8F \xE5\xBE\xAE\xE5\x8D\x9A "
    "\xE2\x80\x94 \xD1\x81\xD1\x82\xD0\xB0\xD1\x82\xD1\x8C\xD1\x8F ",
    "\xD0\x9E\xD0\xBF\xD0\xB8\xD1\x81\xD0\xB0\xD0\xBD\xD0\xB8\xD0\xB5 \xD1\x81\xD1\x82\xD1\x80\xD0\xB0"
    "\xD0\xBD\xD0\xB8\xD1\x86\xD1\x8B, \xD0\xB4\xD0\xBE\xD1\x81\xD1\x82\xD0\xB0\xD1\x82\xD0\xBE\xD1\x87"
    "\xD0\xBD\xD0\xBE \xD0\xB4\xD0\xBB\xD0\xB8\xD0\xBD\xD0\xBD\xD0\xBE\xD0\xB5, \xD1\x87\xD1\x82\xD0\xBE"
    "\xD0\xB1\xD1\x8B \xD1\x87\xD0\xB8\xD1\x82\xD0\xB0\xD1\x82\xD1\x8C\xD1\x81\xD1\x8F \xD0\xBA\xD0\xB0"
    "\xD0\xBA \xD0\xBD\xD0\xB0\xD1\x81\xD1\x82\xD0\xBE\xD1\x8F\xD1\x89\xD0\xB5\xD0\xB5, \xE9\xA1\xB5\xE9"
    "\x9D\xA2\xE7\x9A\x84\xE8\xAF\xB4\xE6\x98\x8E &#39;",
    "\xD0\x9F\xD0\xB0\xD0\xBF\xD0\xBA\xD0\xB0 \xE6\x96\x87\xE4\xBB\xB6\xE5\xA4\xB9",
};
Texts texts = kLatinTexts;

std::string iconData(int seed) {
    static const char kBase64[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string data = "data:image/png;base64,iVBORw0KGgoAAAANSUhEUgAAABAAAAAQCAYAAAAf8/9h";
    for (int i = 0; i < 1600; ++i) data += kBase64[(seed * 31 + i * 7) % 64];
    return data + "==";
}

void appendLink(std::string& out, int n, int indent) {
    const std::string pad(static_cast<std::size_t>(indent) * 4, ' ');
    out += pad + "<DT><A HREF=\"https://www.example" + std::to_string(n % 997) + ".com/articles/" +
           std::to_string(n) + "/a-fairly-long-slug-for-the-page?utm_source=feed&amp;ref=" + std::to_string(n) +
           "\" ADD_DATE=\"1600000000\" LAST_MODIFIED=\"1600000123\"";
    if (n % 3 == 0) out += " ICON_URI=\"https://www.example.com/favicon.ico\" ICON=\"" + iconData(n) + "\"";
    out += ">" + std::string(texts.title) + std::to_string(n) + "</A>\n";
    if (n % 2 == 0) out += pad + "<DD>" + texts.description + std::to_string(n) + "&#39;.\n";
}

// Writes folders of kLinksPerFolder links, kFoldersPerLevel sub-folders deep
// enough to hold `links` in all; answers how many links went out.
int appendFolder(std::string& out, OutputFile& file, int& next, int links, int depth) {
    int written = 0;
    for (int i = 0; i < kLinksPerFolder && next < links; ++i, ++written) appendLink(out, next++, depth);
    if (out.size() > (1 << 20)) {
        file.write(out.data(), out.size());
        out.clear();
    }
    for (int f = 0; f < kFoldersPerLevel && next < links; ++f) {
        const std::string pad(static_cast<std::size_t>(depth) * 4, ' ');
        out += pad + "<DT><H3 ADD_DATE=\"1600000000\">" + texts.folder + std::to_string(next) + "</H3>\n" + pad +
               "<DL><p>\n";
        written += appendFolder(out, file, next, depth < 5 ? links : next + kLinksPerFolder, depth + 1);
        out += pad + "</DL><p>\n";
    }
    return written;
}

bool writeExport(const std::string& path, int links) {
    removeFile(path);
    OutputFile file;
    if (!file.createNew(path)) return false;
    std::string out =
        "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<!-- This is an automatically generated file.\n"
        "     It will be read and overwritten.\n     DO NOT EDIT! -->\n"
        "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\n"
        "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'self'; script-src 'none'\">\n"
        "<TITLE>Bookmarks</TITLE>\n<H1>Bookmarks Menu</H1>\n\n<DL><p>\n";
    int next = 0;
    while (next < links) appendFolder(out, file, next, links, 1);
    out += "</DL>\n";
    return file.write(out.data(), out.size()) && file.flushAndClose();
}

double floorSeconds(const std::string& path, std::size_t& angles) {
    std::vector<char> buffer(1 << 20);
    Stopwatch watch;
    InputFile file;
    if (!file.open(path)) return 0;
    angles = 0;
    while (std::size_t got = file.read(buffer.data(), buffer.size()))
        for (std::size_t i = 0; i < got; ++i) angles += buffer[i] == '<';
    return watch.seconds();
}

// Seconds KEditBookmarks takes to import the file, or a negative number
// where it is not installed or fails.
double keditBookmarksSeconds(const std::string& path) {
#ifdef _WIN32
    (void)path;
    return -1;
#else
    static const char kProgram[] = "/usr/bin/keditbookmarks";
    if (::access(kProgram, X_OK) != 0) return -1;
    const std::string out = path + ".kedit.xml";
    const std::string command = std::string("QT_QPA_PLATFORM=offscreen ") + kProgram + " --importmoz '" + path +
                                "' '" + out + "' >/dev/null 2>&1";
    Stopwatch watch;
    const int status = std::system(command.c_str());
    const double seconds = watch.seconds();
    removeFile(out);
    return status == 0 ? seconds : -1;
#endif
}
}  // namespace

int main(int argc, char** argv) {
    std::vector<char*> arguments(argv, argv + argc);
    bool keep = false;
    while (arguments.size() > 1 && arguments[1][0] == '-') {
        const std::string option = arguments[1];
        if (option == "--non-latin") texts = kNonLatinTexts;
        keep = keep || option == "--keep";
        arguments.erase(arguments.begin() + 1);
    }
    const std::string folder = benchFolder(static_cast<int>(arguments.size()), arguments.data());
    std::printf("%8s %9s %10s %12s %9s %10s %10s %9s %9s %10s\n", "links", "MB", "import s", "links/s", "MB/s",
                "tool s", "floor s", "x floor", "peak MB", "peak/file");
    for (int links : {1000, 10000, 100000}) {
        const std::string path = folder + "/linkhaven-import-bench-" + std::to_string(links) + ".html";
        if (!writeExport(path, links)) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
        const std::uint64_t size = fileSize(path);
        std::size_t angles = 0;
        floorSeconds(path, angles);  // once to warm the file cache
        const double floor = floorSeconds(path, angles);

        Collection collection;
        Stopwatch watch;
        FileListImporter importer(std::make_unique<PathList>(std::vector<std::string>{path}));
        InsertedCounts counts = insertItems(collection, &collection, importer);
        const double seconds = watch.seconds();
        const double peak = static_cast<double>(peakMemoryBytes());

        const std::string saved = path + ".lhv";
        removeFile(saved);
        std::FILE* discard = std::tmpfile();
        Stopwatch toolWatch;
        runImportCommand({saved, path}, discard, stderr);
        const double tool = toolWatch.seconds();
        std::fclose(discard);
        removeFile(saved);

        std::printf("%8zu %9.1f %10.3f %12.0f %9.1f %10.3f %10.3f %9.1f %9.1f %10.2f\n", counts.links,
                    megabytes(size), seconds, static_cast<double>(counts.links) / seconds, megabytes(size) / seconds,
                    tool, floor, tool / floor, peak / 1e6, peak / static_cast<double>(size));
        if (counts.links != static_cast<std::size_t>(links)) std::fprintf(stderr, "  expected %d links\n", links);
        if (const double kedit = keditBookmarksSeconds(path); kedit >= 0)
            std::printf("%8s KEditBookmarks %.3f s, %.1f times the tool\n", "", kedit, kedit / tool);
        if (!keep) removeFile(path);
    }
    std::puts("peak: the process's peak memory after the import; floor: read the file and count its '<' bytes;\n"
              "x floor: the tool's time over the floor");
    return 0;
}
