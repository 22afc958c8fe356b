// Imports generated Chromium Bookmarks files, written as the browser writes
// them (sorted keys, three-blank indents, ids and dates as strings, GUIDs,
// meta_info on some), of up to 100,000 links in folders of 40, and prints the
// time beside the floor: a plain sequential read of the same file.

#include <cstdio>
#include <string>

#include "bench_support.h"
#include "core/collection.h"
#include "core/file_io.h"
#include "import/file_list_importer.h"
#include "import/item_insertion.h"

namespace {
constexpr int kLinksPerFolder = 40;

std::string guid(int n) {
    char text[40];
    std::snprintf(text, sizeof text, "%08x-1c3a-4a8e-8e0e-%012x", n * 2654435761u, n);
    return text;
}

void appendLink(std::string& out, int n, const std::string& pad) {
    out += pad + "{\n" + pad + "   \"date_added\": \"1335" + std::to_string(1000000000000 + n) + "\",\n" + pad +
           "   \"date_last_used\": \"0\",\n" + pad + "   \"guid\": \"" + guid(n) + "\",\n" + pad + "   \"id\": \"" +
           std::to_string(n) + "\",\n";
    if (n % 5 == 0) out += pad + "   \"meta_info\": {\n" + pad + "      \"last_visited_desktop\": \"13351000000000000\"\n" + pad + "   },\n";
    out += pad + "   \"name\": \"Caf\xC3\xA9 \xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82 \xE4\xB9\xA6\xE7\xAD\xBE article " +
           std::to_string(n) + "\",\n" + pad + "   \"type\": \"url\",\n" + pad + "   \"url\": \"https://www.example" +
           std::to_string(n % 997) + ".com/articles/" + std::to_string(n) +
           "/a-fairly-long-slug-for-the-page?utm_source=feed&ref=" + std::to_string(n) + "\"\n" + pad + "}";
}

// A folder of kLinksPerFolder links and four folders like it, `depth` levels
// deep, as long as links are left to write.
void appendFolder(std::string& out, int& next, int links, int depth, const std::string& pad) {
    out += pad + "{\n" + pad + "   \"children\": [ ";
    bool first = true;
    for (int i = 0; i < kLinksPerFolder && next < links; ++i, first = false) {
        if (!first) out += ", ";
        appendLink(out, next++, pad + "   ");
    }
    for (int f = 0; f < 4 && depth > 0 && next < links; ++f, first = false) {
        if (!first) out += ", ";
        appendFolder(out, next, links, depth - 1, pad + "   ");
    }
    static int folders = 0;
    const int id = 10000000 + folders++;
    out += " ],\n" + pad + "   \"date_added\": \"13350000000000000\",\n" + pad + "   \"date_last_used\": \"0\",\n" + pad +
           "   \"date_modified\": \"0\",\n" + pad + "   \"guid\": \"" + guid(id) + "\",\n" + pad + "   \"id\": \"" +
           std::to_string(id) + "\",\n" + pad + "   \"name\": \"Folder " + std::to_string(id) + "\",\n" + pad +
           "   \"type\": \"folder\"\n" + pad + "}";
}

bool writeBookmarks(const std::string& path, int links) {
    removeFile(path);
    OutputFile file;
    if (!file.createNew(path)) return false;
    std::string out = "{\n   \"checksum\": \"0f3a2c8e4b1d6a9f7c5e3b2a1d0c9e8f\",\n   \"roots\": {\n      \"bookmark_bar\": ";
    int next = 0;
    std::string bar;
    appendFolder(bar, next, links / 2, 6, "      ");
    out += bar.substr(6) + ",\n      \"other\": {\n         \"children\": [ ";
    bool first = true;
    while (next < links) {
        if (!first) out += ", ";
        first = false;
        std::string folder;
        appendFolder(folder, next, links, 3, "         ");
        out += folder.substr(9);
    }
    out += " ],\n         \"name\": \"Other bookmarks\",\n         \"type\": \"folder\"\n      }\n   },\n   \"version\": 1\n}\n";
    return file.write(out.data(), out.size()) && file.flushAndClose();
}
}  // namespace

int main(int argc, char** argv) {
    const std::string folder = benchFolder(argc, argv);
    std::printf("%8s %9s %10s %12s %9s %10s %9s %9s\n", "links", "MB", "import s", "links/s", "MB/s", "floor s",
                "x floor", "peak MB");
    for (int links : {1000, 10000, 100000}) {
        const std::string path = folder + "/linkhaven-chromium-bench-" + std::to_string(links);
        if (!writeBookmarks(path, links)) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
        const std::uint64_t size = fileSize(path);
        sequentialReadSeconds(path);  // once to warm the file cache
        const double floor = sequentialReadSeconds(path);

        Collection collection;
        Stopwatch watch;
        FileListImporter importer(std::make_unique<PathList>(std::vector<std::string>{path}));
        const InsertedCounts counts = insertItems(collection, &collection, importer);
        const double seconds = watch.seconds();
        std::printf("%8zu %9.1f %10.3f %12.0f %9.1f %10.3f %9.1f %9.1f\n", counts.links, megabytes(size), seconds,
                    static_cast<double>(counts.links) / seconds, megabytes(size) / seconds, floor, seconds / floor,
                    static_cast<double>(peakMemoryBytes()) / 1e6);
        if (!importer.result() || counts.links != static_cast<std::size_t>(links))
            std::fprintf(stderr, "  expected %d links, without failure\n", links);
        removeFile(path);
    }
    std::puts("floor: read the file sequentially in 1 MiB blocks; peak: the process's peak memory so far");
    return 0;
}
