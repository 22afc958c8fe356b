// Inputs that make naive parsers quadratic or deep. Each is read at size n
// and 8n: linear work takes about 8 times as long, quadratic 64 times. The
// ratio of each is printed, marked where it passes 40 (room for a loaded
// machine); deep inputs show that nesting keeps within the limit.
// Usage: pathological_bench [SCRATCH_FOLDER]

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>

#include "core/collection.h"
#include "core/memory_bytes.h"
#include "exchange/item_stream.h"
#include "exchange/text_to_link.h"
#include "export/template_reader.h"
#include "import/file_list_importer.h"
#include "import/ini_reader.h"
#include "import/item_insertion.h"
#include "import/tag_reader.h"
#include "bench_support.h"

using namespace std::string_literals;

namespace {
using Make = std::function<std::string(std::size_t n)>;
using Read = std::function<void(const std::string& input)>;

// `head`, n units (each followed by its number and "=1 " when `numbered`), `tail`.
Make repeated(std::string head, std::string unit, std::string tail = "", bool numbered = false) {
    return [=](std::size_t n) {
        std::string text = head;
        for (std::size_t i = 0; i < n; ++i) text += numbered ? unit + std::to_string(i) + "=1 " : unit;
        return text + tail;
    };
}

struct IgnoringHandler final : TagHandler {
    bool onText(const std::string&) override { return true; }
    bool onTag(const std::string&, const AttributeMap&) override { return true; }
};
void readTags(const std::string& input) {
    MemorySource source(input);
    IgnoringHandler handler;
    TagReader(source).parse(handler);
}
std::string scratchFolder;

// Imports like a dropped file (the importers read files by name), into a
// collection that keeps to the nesting limit.
Read importedAs(const std::string& extension) {
    return [extension](const std::string& input) {
        const std::string path = (std::filesystem::path(scratchFolder) / ("linkhaven-pathological" + extension)).string();
        std::ofstream(path, std::ios::binary | std::ios::trunc) << input;
        Collection collection;
        FileListImporter importer(std::make_unique<PathList>(std::vector{path}));
        insertItems(collection, &collection, importer);
        std::filesystem::remove(path);
    };
}
void readTemplate(const std::string& input) {
    for (TemplateReader reader(input); reader.nextKeyword(nullptr) != EndOfTemplate;) continue;
}
void readItemStream(const std::string& input) {
    Collection collection;
    ItemStreamSource source(input.data(), input.size());
    insertItems(collection, &collection, source);
}
void readCollection(const std::string& input) {
    MemorySource source(input);
    (void)Collection().readFile(source);
}
void readLink(const std::string& input) {
    ItemFields fields;
    textToLink(input, fields);
}
void readShortcut(const std::string& input) { readIniValue(input, "InternetShortcut", "URL", 2048); }

// Processor time of one read, the best of three rounds of at least 20 ms:
// what other work on the machine disturbs least.
double secondsPerRead(const Read& read, const std::string& input) {
    double best = HUGE_VAL;
    for (int round = 0; round < 3; ++round) {
        int reads = 0;
        const std::clock_t start = std::clock();
        std::clock_t now;
        do ++reads, read(input);
        while ((now = std::clock()) - start < CLOCKS_PER_SEC / 50);
        best = std::min(best, static_cast<double>(now - start) / CLOCKS_PER_SEC / reads);
    }
    return best;
}

// A collection file of n units: the root's children, or each in the one before.
Make collectionFile(bool childPerUnit, std::string unit) {
    return [=](std::size_t n) {
        const auto c = static_cast<std::uint32_t>(childPerUnit ? n : 1);
        return "\xA9\x5F\0\0\x01\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0"s +
               std::string{char(c), char(c >> 8), char(c >> 16), char(c >> 24)} + repeated("", unit)(n);
    };
}
const std::string kStreamFolder = "\x01\0\0\0\0\0\0\0\0"s;  // no name, no description
const std::string kFileFolder = "\x01\0\0\0\0\0\0\0\0\0\x01\0\0\0"s;  // one child
const std::string kFileLink = "\0\0\0\0\0\0\0\0\0\0\0\0\0\0"s;
const std::string kHotlist = "Opera Hotlist version 2.0\n\n";
}  // namespace

int main(int argc, char** argv) {
    scratchFolder = benchFolder(argc, argv);
    const struct Case {
        const char* name;
        Make make;
        Read read;
        std::size_t n = 20000;
    } cases[] = {
        {"tag: attributes", repeated("<A HREF=\"http://x/\" ", "a", ">link</A>", true), readTags, 2000},
        {"tag: repeated attributes", repeated("<A ", "a=1 b=2 ", ">"), readTags},
        {"tag: comment openings", repeated("", "<!--"), readTags},
        {"tag: ampersands in text", repeated("", "&"), readTags},
        {"tag: ampersands in a value", repeated("<A HREF=\"", "&", "\">"), readTags},
        {"tag: unended references in a value", repeated("<A HREF=\"", "&#1", "\">"), readTags},
        {"tag: leading zeros", repeated("<A HREF=\"&#x", "0", "41;\">"), readTags},
        {"tag: unclosed quotes", repeated("<A ", "B=\"x ", ""), readTags},
        {"tag: long name", repeated("<", "A", ">"), readTags},
        {"tag: brackets and percent signs", repeated("", "<%"), readTags},
        {"netscape: nested lists", repeated("", "<DL><p><DT><H3>f</H3>\n"), importedAs(".html"), 2000},
        {"netscape: attributes", repeated("<DL><p><DT><A HREF=\"http://x/\" ", "a", ">t</A>", true),
         importedAs(".html"), 2000},
        {"netscape: comments and ampersands", repeated("<DL><p><DT><H3>", "<!-- &", "</H3>"), importedAs(".html")},
        {"netscape: unclosed anchors", repeated("<DL><p>", "<DT><A HREF=\"http://a/\">t"), importedAs(".html"), 2000},
        {"opera: nested folders", repeated(kHotlist, "#FOLDER\n\tNAME=f\n\n"), importedAs(".adr"), 2000},
        {"opera: folder ends", repeated(kHotlist, "-\n"), importedAs(".adr")},
        {"opera: long line", repeated(kHotlist + "#URL\n\tNAME=", "x"), importedAs(".adr")},
        {"shortcut: unclosed sections", repeated("", "[InternetShortcut\n"), readShortcut},
        {"shortcut: keys without values", repeated("[InternetShortcut]\n", "X\r"), readShortcut},
        {"shortcut: long line", repeated("[InternetShortcut]\nURL=", "x"), readShortcut},
        {"template: keywords and lines", repeated("", "{nl}\r\n"), readTemplate},
        {"template: unclosed keyword", repeated("{", "a"), readTemplate},
        {"item stream: nested folders", repeated("", kStreamFolder), readItemStream, 2000},
        {"collection: nested folders", collectionFile(false, kFileFolder), readCollection, 2000},
        {"collection: links", collectionFile(true, kFileLink), readCollection, 2000},
        {"text to link: words", repeated("", "a:/ "), readLink},
        {"text to link: marks and line breaks", repeated("", ":/.\r\n"), readLink},
    };
    std::printf("time for 8 times the input (linear: about 8)\n");
    int quadratic = 0;
    for (const Case& c : cases) {
        const std::string small = c.make(c.n), large = c.make(8 * c.n);
        const double ratio = secondsPerRead(c.read, large) / secondsPerRead(c.read, small);
        quadratic += ratio >= 40;
        std::printf("%6.1f  %s%s\n", ratio, c.name, ratio >= 40 ? "   <- worse than linear" : "");
    }
    return quadratic == 0 ? 0 : 1;
}
