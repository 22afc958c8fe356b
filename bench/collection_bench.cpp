// Builds a collection of 1,000,000 nodes (100,000 folders, 900,000 links),
// saves it, loads it, walks it and frees it, printing the speed of each step
// beside the floor: plain sequential reads and writes of the same file.
// Save and load are repeated, and the best time counts: on a busy machine a
// single run varies by 10% and more.
// Usage: collection_bench [SCRATCH_FOLDER [latin|ascii|non-latin [REPETITIONS]]]
// Most titles have a word of Latin-1 ("café"); with "ascii" none has, and
// with "non-latin" most words are Cyrillic, Greek or Chinese, which the ANSI
// code page cannot hold: the file is saved as version 2.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>
#include <string>

#include "bench_support.h"
#include "core/collection.h"
#include "core/collection_walker.h"
#include "core/file_io.h"
#include "core/unicode_text.h"

namespace {
constexpr int kTopFolders = 10000;
constexpr int kSubfoldersEach = 9;
constexpr int kLinksPerFolder = 9;

// Text of roughly web-like lengths: titles 20-80 characters, addresses
// 30-120, a description on every second link.
class TextMaker {
public:
    explicit TextMaker(const std::string& script)
        : words_(script == "non-latin" ? kNonLatinWords : script == "ascii" ? kAsciiWords : kLatinWords) {}

    std::string words(std::size_t length) {
        std::string text;
        while (characterCount(text) < length) {
            if (!text.empty()) text += ' ';
            text += words_[random_() % 12];
        }
        return std::string(firstCharacters(text, length));
    }
    std::string url(std::size_t length) {
        std::string text = "https://www.example" + std::to_string(random_() % 10000) + ".com/";
        while (text.size() < length) text += static_cast<char>('a' + random_() % 26);
        return text;
    }
    std::size_t between(std::size_t low, std::size_t high) { return low + random_() % (high - low + 1); }
    bool coin() { return random_() % 2 == 0; }

private:
    static constexpr const char* kLatinWords[12] = {"news", "the", "Linux", "guide", "bookmark", "caf\xC3\xA9",
                                                    "reference", "of", "manual", "blog", "M\xC3\xBCller", "and"};
    static constexpr const char* kAsciiWords[12] = {"news", "the", "Linux", "guide", "bookmark", "cafe",
                                                    "reference", "of", "manual", "blog", "Miller", "and"};
    // новости, руководство, блог, σελίδα, 书签, 新闻, of, the, and four more
    static constexpr const char* kNonLatinWords[12] = {
        "\xD0\xBD\xD0\xBE\xD0\xB2\xD0\xBE\xD1\x81\xD1\x82\xD0\xB8",
        "\xD1\x80\xD1\x83\xD0\xBA\xD0\xBE\xD0\xB2\xD0\xBE\xD0\xB4\xD1\x81\xD1\x82\xD0\xB2\xD0\xBE",
        "\xD0\xB1\xD0\xBB\xD0\xBE\xD0\xB3", "\xCF\x83\xCE\xB5\xCE\xBB\xCE\xAF\xCE\xB4\xCE\xB1",
        "\xE4\xB9\xA6\xE7\xAD\xBE", "\xE6\x96\xB0\xE9\x97\xBB", "of", "the",
        "\xD0\x9C\xD0\xBE\xD1\x81\xD0\xBA\xD0\xB2\xD0\xB0", "\xCE\x91\xCE\xB8\xCE\xAE\xCE\xBD\xCE\xB1",
        "\xE5\x8C\x97\xE4\xBA\xAC", "and"};
    const char* const* words_;
    std::mt19937 random_{42};
};

std::uint64_t stringBytes = 0;

void fill(Collection& c, BookmarkNode* node, std::string title, std::string description) {
    stringBytes += title.size() + description.size();
    c.setTitle(node, title);
    c.setDescription(node, description);
}

void addLinks(Collection& c, Folder* folder, TextMaker& text) {
    for (int i = 0; i < kLinksPerFolder; ++i) {
        Link* link = c.appendLink(folder).node()->asLink();
        fill(c, link, text.words(text.between(20, 80)), text.coin() ? text.words(text.between(20, 160)) : "");
        std::string url = text.url(text.between(30, 120));
        stringBytes += url.size();
        c.setUrl(link, url);
    }
}

void build(Collection& c, const std::string& script) {
    TextMaker text(script);
    for (int top = 0; top < kTopFolders; ++top) {
        Folder* folder = c.appendFolder(&c).node()->asFolder();
        fill(c, folder, text.words(text.between(5, 30)), "");
        addLinks(c, folder, text);
        for (int sub = 0; sub < kSubfoldersEach; ++sub) {
            Folder* inner = c.appendFolder(folder).node()->asFolder();
            fill(c, inner, text.words(text.between(5, 30)), text.coin() ? "" : text.words(40));
            addLinks(c, inner, text);
        }
    }
}

std::size_t walk(const Collection& c) {
    CollectionWalker walker(c.childrenBegin(), c.childrenEnd());
    std::size_t nodes = 0;
    ItemFields fields;
    for (int depth = 1; depth > 0;) {
        switch (walker.next()) {
        case ItemCode::EndOfFolder: --depth; break;
        case ItemCode::FolderItem: walker.folder(fields); ++depth; ++nodes; break;
        case ItemCode::LinkItem: walker.link(fields); ++nodes; break;
        }
    }
    return nodes;
}

void report(const char* step, double seconds, double nodes) {
    std::printf("%-6s %7.3f s  %6.2f M nodes/s\n", step, seconds, nodes / seconds / 1e6);
}
}  // namespace

int main(int argc, char** argv) {
    const std::string path = benchFolder(argc, argv) + "/linkhaven-bench.lhv";
    const double nodes = kTopFolders * (1 + kSubfoldersEach) * (1 + kLinksPerFolder);
    auto c = std::make_unique<Collection>();

    Stopwatch buildWatch;
    build(*c, argc > 2 ? argv[2] : "latin");
    report("build", buildWatch.seconds(), nodes);

    const int repetitions = argc > 3 ? std::max(1, std::atoi(argv[3])) : 5;
    double saveSeconds = 1e9, loadSeconds = 1e9, readFloor = 1e9;
    for (int i = 0; i < repetitions; ++i) {
        // Each save after the first writes the tree the load before gave.
        Stopwatch saveWatch;
        if (!c->save(path)) return std::fprintf(stderr, "save failed\n"), 1;
        saveSeconds = std::min(saveSeconds, saveWatch.seconds());
        c->clear();
        // Also the allocator's tidying after clear() (on the plain read's
        // first large block), which would otherwise land in the load.
        readFloor = std::min(readFloor, sequentialReadSeconds(path));
        Stopwatch loadWatch;
        if (!c->load(path)) return std::fprintf(stderr, "load failed\n"), 1;
        loadSeconds = std::min(loadSeconds, loadWatch.seconds());
    }
    report("save", saveSeconds, nodes);
    report("load", loadSeconds, nodes);
    const std::uint64_t bytes = fileSize(path);
    const double writeFloor = sequentialWriteSeconds(path + ".floor", bytes);
    const double unflushedWriteFloor = sequentialWriteSeconds(path + ".floor", bytes, false);

    Stopwatch walkWatch;
    const std::size_t walked = walk(*c);
    report("walk", walkWatch.seconds(), static_cast<double>(walked));

    Stopwatch freeWatch;
    c.reset();
    report("free", freeWatch.seconds(), nodes);

    const double mb = megabytes(bytes);
    std::printf("\nfile %.1f MB, best of %d saves and loads\n", mb, repetitions);
    std::printf("load %6.0f MB/s %.3f s   floor: plain read %6.0f MB/s %.3f s\n", mb / loadSeconds, loadSeconds,
                mb / readFloor, readFloor);
    std::printf("save %6.0f MB/s %.3f s   floor: plain write %6.0f MB/s %.3f s, of which %.3f s writing and the "
                "rest waiting for the disk (a save waits too, so that the file survives a power cut)\n",
                mb / saveSeconds, saveSeconds, mb / writeFloor, writeFloor, unflushedWriteFloor);
    std::printf("peak memory %.1f MB for %.1f MB of strings (%.2fx)\n", megabytes(peakMemoryBytes()),
                megabytes(stringBytes), static_cast<double>(peakMemoryBytes()) / static_cast<double>(stringBytes));
    removeFile(path);
    return 0;
}
