#include "import/chromium_importer.h"

#include <gtest/gtest.h>

#include "core/collection.h"
#include "import/item_insertion.h"
#include "item_log.h"
#include "test_files.h"

namespace {
const std::string kSample = LINKHAVEN_SOURCE_DIR "/tests/import/chromium/Bookmarks";

const char* const kSampleLog =
    "{Bookmarks bar{Wikipedia <https://en.wikipedia.org/>, Новости{Ελληνική Βικιπαίδεια <https://el.wikipedia.org/>, "
    "Пусто{}, 中文 и 日本語{日本語のページ <https://ja.wikipedia.org/wiki/%E6%97%A5%E6%9C%AC>, "
    "한국어 위키백과 <https://ko.wikipedia.org/>}}, "
    "Tom & Jerry \\x3Cb\\x3E \\x22quoted\\x22 😀 <javascript:(function()\\x7Balert(document.title)\\x7D)();>}, "
    "Other bookmarks{FTP mirror <ftp://ftp.example.org/pub/>, "
    "file:///C:/Users/Public/readme.txt <file:///C:/Users/Public/readme.txt>}}";

// The links of an item log, one a line.
std::string linksOf(const std::string& log) {
    std::string links;
    for (std::size_t end = log.find('>'); end != std::string::npos; end = log.find('>', end + 1)) {
        const std::size_t start = log.find_last_of("{,", end) + 1;
        links += log.substr(start, end + 1 - start) + "\n";
    }
    return links;
}

std::string url(const std::string& name, const std::string& address) {
    return R"({"name": ")" + name + R"(", "type": "url", "url": ")" + address + "\"}";
}
}  // namespace

TEST(ChromiumImporter, ReadsRootsFoldersAndLinksInOrder) {
    const std::tuple<const char*, std::string, std::string, ResultStatus, std::size_t> cases[] = {
        {"a browser's file", readFileBytes(kSample), kSampleLog, ResultStatus::Ok, 0},
        {"roots without a name, ids and dates as numbers, an unknown root and type",
         R"({"roots": {"bookmark_bar": {"children": [)" + url("a", "http://a/") +
             R"(], "id": 1, "date_added": 13350000000000000}, "custom_root": {"children": [)" +
             R"({"type": "separator"}, {"children": [], "name": "", "type": "folder"}]}, "synced": {"children": []}}})",
         "{Bookmarks bar{a <http://a/>}, custom_root{Folder1{}}}", ResultStatus::Ok, 0},
        {"addresses without a scheme, and invalid UTF-8",
         R"({"roots": {"other": {"children": [)" + url("x", "example.org/page") + "," + url("d", "C:\\\\x") + "," +
             url("", "") + "," + url("caf\xE9", "about:blank") + R"(], "name": "O"}}})",
         "{O{caf\xEF\xBF\xBD <about:blank>}}", ResultStatus::Ok, 3},
        {"a root whose every bookmark is skipped", R"({"roots": {"other": {"children": [)" + url("x", "x") + "]}}}",
         "{}", ResultStatus::Ok, 1},
        {"no roots", R"({"checksum": "", "version": 1})", "{}", ResultStatus::NotRecognized, 0},
        {"damaged after a link",
         R"({"roots": {"bookmark_bar": {"children": [)" + url("a", "http://a/") + ", {\"name\": \"cut\", x",
         "{Bookmarks bar{a <http://a/>}}", ResultStatus::Damaged, 0},
    };
    TemporaryFolder files;
    for (const auto& [what, json, log, status, withoutAddress] : cases) {
        writeFileBytes(files.file("Bookmarks"), json);
        ChromiumImporter importer(files.file("Bookmarks"));
        EXPECT_EQ(log, itemLog(importer)) << what;
        EXPECT_EQ(std::make_pair(status, withoutAddress),
                  std::make_pair(importer.result().status, importer.skipped().withoutAddress)) << what;
    }
    EXPECT_EQ(ResultStatus::NotFound, ChromiumImporter(files.file("missing")).result().status);
}

TEST(ChromiumImporter, AFileCutAnywhereGivesTheLinksBeforeTheCut) {
    const std::string sample = readFileBytes(kSample);
    const std::string allLinks = linksOf(kSampleLog);
    TemporaryFolder files;
    const std::string path = files.file("Bookmarks");
    // Every 11th byte lands in keys, values and between them by turns; the
    // last byte is the line end after the whole text.
    for (std::size_t size = 0; size + 1 < sample.size(); size += 11) {
        writeFileBytes(path, sample.substr(0, size));
        ChromiumImporter importer(path);
        const std::string links = linksOf(itemLog(importer));
        ASSERT_EQ(0u, allLinks.rfind(links, 0)) << "cut at " << size << ":\n" << links;
        ASSERT_EQ(ResultStatus::Damaged, importer.result().status) << size;
    }
}

TEST(ChromiumImporter, DeepNestingNeitherOverflowsNorExceedsTheDepthLimit) {
    constexpr int kLevels = 100000;
    std::string json = R"({"roots": {"other": )";
    for (int level = 0; level < kLevels; ++level) json += R"({"children": [{"type": "url", "url": "http://l/"}, )";
    json += "{}";
    for (int level = 0; level < kLevels; ++level) json += R"(], "name": "f", "type": "folder"})";
    json += "}}";
    TemporaryFolder files;
    writeFileBytes(files.file("Bookmarks"), json);
    Collection collection;
    ChromiumImporter importer(files.file("Bookmarks"));
    const InsertedCounts counts = insertItems(collection, &collection, importer);
    EXPECT_EQ(Folder::kMaxDepth, counts.folders);
    EXPECT_EQ(static_cast<std::size_t>(kLevels), counts.links);
    EXPECT_TRUE(importer.result());
}
