#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "core/collection.h"
#include "core/unicode_text.h"
#include "test_files.h"
#include "tree_text.h"

namespace {
// Builds file bytes by hand, little-endian.
struct Bytes {
    std::string data;
    Bytes& number(std::uint32_t v, int size) {
        for (int i = 0; i < size; ++i) data += static_cast<char>((v >> (8 * i)) & 0xFF);
        return *this;
    }
    Bytes& u16(std::uint16_t v) { return number(v, 2); }
    Bytes& u32(std::uint32_t v) { return number(v, 4); }
    Bytes& str(const std::string& s) {
        u32(static_cast<std::uint32_t>(s.size()));
        data += s;
        return *this;
    }
    Bytes& header(std::uint32_t magic = 0x5FA9, std::uint32_t version = 1, std::uint32_t r1 = 0,
                  std::uint32_t r2 = 0) {
        return u32(magic).u32(version).u32(r1).u32(r2);
    }
    // A folder head (title, description, child count).
    Bytes& folder(const std::string& title, std::uint32_t count, const std::string& description = "") {
        return str(title).str(description).u32(count);
    }
    Bytes& link(const std::string& title, const std::string& url, const std::string& description = "") {
        return str(title).str(description).str(url);
    }
};

// The last thing a progress was told.
struct LastReport final : Progress {
    std::uint64_t done = 0, total = 0;
    bool advance(std::uint64_t doneNow, std::uint64_t totalNow) override {
        done = doneNow;
        total = totalNow;
        return true;
    }
};

class CollectionFile : public testing::Test {
protected:
    TemporaryFolder folder;
    std::string path = folder.file("c.lhv");
    Collection c;

    Result loadBytes(const std::string& bytes) {
        writeFileBytes(path, bytes);
        return c.load(path);
    }
    std::string savedBytes() {
        EXPECT_TRUE(c.save(path));
        return readFileBytes(path);
    }
    // A collection with one of everything, strings of many lengths.
    void fillSample() {
        buildTree(c, R"(My bookmarks "Line one\x0D\x0ALine two"{News{Example "An \xC3\xA9xample" )"
                     R"(<http://example.com/?a=1&b=2>, {}}, Top <http://top/>, Last{)" +
                         std::string(300, 'x') + " <>}}");
    }
};
}  // namespace

TEST_F(CollectionFile, GoldenBytes) {
    buildTree(c, "{f{l <u>}}");
    EXPECT_EQ(Bytes().header().folder("", 1).u16(1).folder("f", 1).u16(0).link("l", "u").data, savedBytes());

    // Field order: a link's description comes before its address.
    buildTree(c, R"("rd"{t "d" <u>})");
    EXPECT_EQ(Bytes().header().folder("", 1, "rd").u16(0).link("t", "u", "d").data, savedBytes());
}

TEST_F(CollectionFile, Version1IsInTheCodePageAndSavesAgainByteForByte) {
    // Code page 1252 defines all 256 bytes, as Windows converts it.
    std::string everyByte;
    for (int i = 0; i < 256; ++i) everyByte += static_cast<char>(i);
    const std::string file =
        Bytes().header().folder(everyByte, 1, everyByte + "\r\n").u16(0).link(everyByte, everyByte, "\x80").data;
    ASSERT_TRUE(loadBytes(file));
    EXPECT_EQ("\xE2\x82\xAC", c.childrenBegin().node()->description);  // the euro sign
    EXPECT_TRUE(isValidUtf8(c.title));
    EXPECT_EQ(256u, characterCount(c.title));
    EXPECT_EQ(file, savedBytes());
}

TEST_F(CollectionFile, CodePageTextAtEveryPlaceInABlock) {
    // Strings convert sixteen bytes at a time, both ways: é, € and é€ÿ on
    // either side of a block's edge and among the last bytes of a string.
    const struct {
        std::string utf8, bytes;
    } characters[] = {{"\xC3\xA9", "\xE9"}, {"\xE2\x82\xAC", "\x80"}, {"\xC3\xA9\xE2\x82\xAC\xC3\xBF", "\xE9\x80\xFF"}};
    Bytes links;
    std::uint32_t count = 0;
    for (const auto& character : characters)
        for (std::size_t size = 0; size < 40; ++size)
            for (std::size_t at = 0; at <= size; ++at, ++count) {
                const std::string before(at, 'a'), after(size - at, 'b');
                c.setTitle(c.appendLink(&c).node(), before + character.utf8 + after);
                links.u16(0).link(before + character.bytes + after, "");
            }
    EXPECT_EQ(Bytes().header().folder("", count).data + links.data, savedBytes());
    Collection other;
    ASSERT_TRUE(other.load(path));
    EXPECT_EQ(treeText(c), treeText(other));
}

TEST_F(CollectionFile, TextOutsideTheCodePageSavesAsVersion2AndInvalidUtf8InItIsRepaired) {
    // Text in the code page saves as version 1: GoldenBytes, CodePageTextAtEveryPlaceInABlock.
    const std::pair<const char*, std::string> cases[] = {
        {"Latin outside 1252", "\xC4\x8C"},                 // Č
        {"CJK", "\xE4\xB9\xA6\xE7\xAD\xBE"},                // 书签
        {"emoji outside the BMP", "\xF0\x9F\x94\xA5 Deals"},
        {"combining mark", "e\xCC\x81"},                    // e and an acute accent
        {"Cyrillic", "\xD0\x9F\xD1\x80\xD0\xB8"},           // При
    };
    for (const auto& [name, text] : cases) {
        c.clear();
        c.setTitle(&c, text);
        EXPECT_EQ(Bytes().header(0x5FA9, 2).folder(text, 0).data, savedBytes()) << name;
        Collection other;
        ASSERT_TRUE(other.load(path)) << name;
        EXPECT_EQ(text, other.title) << name;
    }

    // One character anywhere in the tree decides; once it is gone, version 1 again.
    c.clear();
    Link* link = c.appendLink(c.appendFolder(&c).node()->asFolder()).node()->asLink();
    c.setUrl(link, "https://ru.wikipedia.org/wiki/\xD0\x97");
    EXPECT_EQ('\2', savedBytes()[4]);
    c.setUrl(link, "https://example.com/\xC3\xA9");
    EXPECT_EQ(Bytes().header().folder("", 1).u16(1).folder("", 1).u16(0).link("", "https://example.com/\xE9").data,
              savedBytes());

    // Bytes of a version-2 file that are no UTF-8 are repaired.
    ASSERT_TRUE(loadBytes(Bytes().header(0x5FA9, 2).folder("a\xFF" "b\xE4\xB9" "c\xED\xA0\x80", 0).data));
    EXPECT_EQ("a\xEF\xBF\xBD" "b\xEF\xBF\xBD" "c\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD", c.title);
}

TEST_F(CollectionFile, RoundTripsARandomTree) {
    // Characters of one to four bytes in UTF-8. The first half of the tree
    // is ASCII, so a few of the saves below are version 1.
    const char32_t characters[] = {'a', '"', 0xE9, 0x3A3, 0x4E66, 0x301, 0x1F525, '\n'};
    std::mt19937 random(7);
    std::vector<Folder*> folders{&c};
    for (int i = 0; i < 3000; ++i) {
        Folder* parent = folders[random() % folders.size()];
        ChildPosition at = random() % 2 ? parent->childrenEnd() : parent->childrenBegin();
        BookmarkNode* node = random() % 4 ? c.insertLink(parent, at).node() : c.insertFolder(parent, at).node();
        std::string text;
        for (std::size_t length = random() % 40; length > 0; --length)
            appendUtf8(text, characters[random() % (i < 1500 ? 2 : std::size(characters))]);
        c.setTitle(node, text);
        if (random() % 3 == 0) c.setDescription(node, text + text);
        if (Link* link = node->asLink()) c.setUrl(link, "http://" + text);
        if (Folder* added = node->asFolder()) folders.push_back(added);
        if (i == 1499 || i == 2999) {
            const std::string before = treeText(c);
            LastReport saving, loading;
            ASSERT_TRUE(c.save(path, &saving));
            const std::string bytes = readFileBytes(path);
            EXPECT_EQ(i == 1499 ? '\1' : '\2', bytes[4]);
            Collection other;
            ASSERT_TRUE(other.load(path, &loading));
            EXPECT_EQ(before, treeText(other));
            // Every byte is reported (a save in UTF-8 may have begun in the code page).
            EXPECT_EQ(bytes.size(), loading.done);
            EXPECT_EQ(bytes.size(), loading.total);
            EXPECT_GE(saving.done, bytes.size());
            if (i == 1499) {
                EXPECT_EQ(bytes.size(), saving.done);
            }
        }
    }
}

TEST_F(CollectionFile, HeaderRules) {
    const std::string body = Bytes().folder("t", 0).data;
    constexpr auto Ok = ResultStatus::Ok, NotRecognized = ResultStatus::NotRecognized,
                   Damaged = ResultStatus::Damaged;
    const std::tuple<const char*, std::string, ResultStatus, std::uint64_t> cases[] = {
        {"version 0", Bytes().header(0x5FA9, 0).data + body, Ok, 0},
        {"negative version", Bytes().header(0x5FA9, 0xFFFFFFFF).data + body, Ok, 0},
        {"reserved words set", Bytes().header(0x5FA9, 1, 7, 0xFFFFFFFF).data + body, Ok, 0},
        {"trailing bytes", Bytes().header().data + body + "garbage", Ok, 0},
        {"version 2", Bytes().header(0x5FA9, 2).data + body, Ok, 0},
        {"version 3", Bytes().header(0x5FA9, 3).data + body, NotRecognized, 4},
        {"largest version", Bytes().header(0x5FA9, 0x7FFFFFFF).data + body, NotRecognized, 4},
        {"other magic", Bytes().header(0xA95F).data + body, NotRecognized, 0},
        {"empty file", "", NotRecognized, 0},
        {"short header", Bytes().header().data.substr(0, 15), Damaged, 12},
        {"header only", Bytes().header().data, Damaged, 16},
    };
    for (const auto& [name, bytes, status, offset] : cases) {
        buildTree(c, "{old <>}");
        const Result result = loadBytes(bytes);
        EXPECT_EQ(status, result.status) << name;
        EXPECT_EQ(offset, result.offset) << name;
        EXPECT_EQ(result ? "" : path, result.path) << name;
        EXPECT_FALSE(c.modified) << name;
        EXPECT_EQ(result ? "t{}" : "{}", treeText(c)) << name;
    }
}

TEST_F(CollectionFile, BodyRules) {
    // Where the file is damaged (0: it loads), counted from the start of the
    // file: the body starts at 16.
    const std::tuple<const char*, std::string, std::uint64_t, std::string> cases[] = {
        {"child count 0", Bytes().folder("r", 0).data, 0, "r{}"},
        {"kind 5 reads as a folder", Bytes().folder("", 1).u16(5).folder("f", 0).data, 0,
         "{f{}}"},
        {"negative child count", Bytes().folder("r", 0xFFFFFFFF).data, 25, "r{}"},
        {"negative count below", Bytes().folder("", 2).u16(0).link("a", "u").u16(1).folder("f", 0x80000000).data,
         55, "{a <u>}"},
        {"count larger than the children",
         Bytes().folder("", 0x7FFFFFFF).u16(0).link("a", "u").u16(0).link("b", "v").data, 60,
         "{a <u>, b <v>}"},
        {"string longer than the file", Bytes().folder("", 1).u16(0).str("t").str("").u32(0xFFFFFFF0).data,
         39, "{}"},
        {"title longer than the file", Bytes().u32(0x7FFFFFFF).data, 16, "{}"},
        {"truncated kind", Bytes().folder("", 2).u16(0).link("a", "u").data + "\x01", 44,
         "{a <u>}"},
        // The folder whose body failed goes, with everything read into it.
        {"failure inside a folder",
         Bytes().folder("", 2).u16(0).link("a", "u").u16(1).folder("f", 2).u16(0).link("b", "v").u16(0).str("c").data,
         82, "{a <u>}"},
    };
    for (const auto& [name, body, damagedAt, tree] : cases) {
        const Result result = loadBytes(Bytes().header().data + body);
        EXPECT_EQ(damagedAt ? ResultStatus::Damaged : ResultStatus::Ok, result.status) << name;
        EXPECT_EQ(damagedAt, result.offset) << name;
        EXPECT_EQ(tree, treeText(c)) << name;
        EXPECT_FALSE(c.modified) << name;
    }
}

TEST_F(CollectionFile, TruncatedAtEveryOffsetKeepsTheCompleteTopLevelChildren) {
    fillSample();
    const std::string whole = savedBytes();
    // The trees a cut file may give, from where each becomes complete: the
    // title, the description, then each top-level child at the end of its
    // record (the file of the first k children differs from the whole one
    // only in the child count).
    const std::string title = c.title.str(), description = c.description.str();
    std::vector<std::pair<std::size_t, std::string>> prefixes = {{0, "{}"}};
    Collection prefix;
    prefix.setTitle(&prefix, title);
    prefixes.emplace_back(20 + title.size(), treeText(prefix));
    prefix.setDescription(&prefix, description);
    prefixes.emplace_back(prefixes.back().first + 4 + description.size(), treeText(prefix));
    while (c.childCount() > 0) {
        BookmarkNode* node = c.childrenBegin().node();
        c.unlinkChild(node);
        prefix.insertChild(prefix.childrenEnd(), node);
        ASSERT_TRUE(prefix.save(folder.file("prefix.lhv")));
        prefixes.emplace_back(readFileBytes(folder.file("prefix.lhv")).size(), treeText(prefix));
    }
    ASSERT_EQ(whole.size(), prefixes.back().first);

    for (std::size_t cut = 0; cut < whole.size(); ++cut) {
        c.modified = true;
        const Result result = loadBytes(whole.substr(0, cut));
        ASSERT_EQ(cut < 4 ? ResultStatus::NotRecognized : ResultStatus::Damaged, result.status) << "cut at " << cut;
        EXPECT_FALSE(c.modified);
        auto expected = prefixes.begin();
        while (std::next(expected)->first <= cut) ++expected;
        EXPECT_EQ(expected->second, treeText(c)) << "cut at " << cut;
    }
}

TEST_F(CollectionFile, NestingIsBoundedAtAThousandLevels) {
    auto nestedFile = [](std::size_t depth) {
        Bytes bytes;
        bytes.header().folder("", 2).u16(0).link("before", "u");
        for (std::size_t level = 1; level <= depth; ++level) bytes.u16(1).folder("f", level < depth ? 1 : 0);
        return bytes.data;
    };
    ASSERT_TRUE(loadBytes(nestedFile(1000)));
    EXPECT_EQ(nestedFile(1000), savedBytes());  // all 1000 levels were read

    const Result tooDeep = loadBytes(nestedFile(1001));
    EXPECT_EQ(ResultStatus::TooDeep, tooDeep.status);
    EXPECT_EQ(nestedFile(1000).size(), tooDeep.offset);  // the kind of the 1001st level
    EXPECT_EQ("{before <u>}", treeText(c));

    // A tree deeper than a load accepts is not saved: the file could never be opened again.
    Folder* bottom = &c;
    for (int level = 0; level < 1001; ++level) bottom = c.appendFolder(bottom).node()->asFolder();
    writeFileBytes(path, "old");
    EXPECT_EQ(ResultStatus::TooDeep, c.save(path).status);
    EXPECT_TRUE(c.modified);
    EXPECT_EQ("old", readFileBytes(path));
    EXPECT_EQ(1u, folder.entryCount());  // c.lhv, no temporary left
}

// A file that cannot be opened changes nothing; a save replaces the file only
// when it wrote everything, in a folder named in any script too, and leaves
// no temporary file either way.
TEST_F(CollectionFile, FailedLoadsAndSavesChangeNothing) {
    fillSample();
    const std::string before = treeText(c);
    const std::pair<std::string, ResultStatus> cases[] = {
        {folder.file("missing.lhv"), ResultStatus::NotFound},
        {folder.file("missing/c.lhv"), ResultStatus::NotFound},
        {folder.path(), ResultStatus::NoAccess},  // a folder is no collection file
    };
    for (const auto& [missing, status] : cases) {
        const Result result = c.load(missing);
        EXPECT_EQ(status, result.status) << missing;
        EXPECT_EQ(missing, result.path);
    }
    EXPECT_EQ(before, treeText(c));
    const Result noFolder = c.save(folder.file("no such folder/c.lhv"));
    EXPECT_EQ(ResultStatus::WriteFailed, noFolder.status);
    EXPECT_EQ(folder.file("no such folder/c.lhv"), noFolder.path);
    std::filesystem::create_directory(folder.file("blocked.lhv"));  // a folder cannot be replaced
    EXPECT_FALSE(c.save(folder.file("blocked.lhv")));
    EXPECT_TRUE(c.modified);
    EXPECT_EQ(1u, folder.entryCount());

    // Закладки 书签/🔥.lhv, saved twice: the second save replaces the first.
    const std::string named =
        folder.path() + "/\xD0\x97\xD0\xB0\xD0\xBA\xD0\xBB\xD0\xB0\xD0\xB4\xD0\xBA\xD0\xB8 \xE4\xB9\xA6\xE7\xAD\xBE";
    ASSERT_TRUE(std::filesystem::create_directory(std::filesystem::path(std::u8string(named.begin(), named.end()))));
    const std::string file = named + "/\xF0\x9F\x94\xA5.lhv";
    ASSERT_TRUE(c.save(file));
    ASSERT_TRUE(c.save(file));
    EXPECT_FALSE(c.modified);
    Collection other;
    ASSERT_TRUE(other.load(file));
    EXPECT_EQ(before, treeText(other));
}

TEST_F(CollectionFile, AFailedReadIsNoEndOfFile) {
    // Gives the first 33 bytes of a file, then fails as a broken disk or network would.
    struct FailingSource final : ByteSource {
        std::string bytes = Bytes().header().folder("title", 1).data;
        std::size_t read(char* buffer, std::size_t capacity) override {
            const std::size_t chunk = bytes.copy(buffer, capacity);
            bytes.erase(0, chunk);
            return chunk;
        }
        bool failed() const override { return bytes.empty(); }
        std::uint64_t size() const override { return 1 << 20; }
    } source;
    const Result result = c.readFile(source);
    EXPECT_EQ(ResultStatus::ReadFailed, result.status);
    EXPECT_EQ(33u, result.offset);
}

// Run on its own with files limited in size (ctest runs it through
// scripts/with-file-size-limit): a save that fails half-way must leave the
// file that was there whole.
TEST_F(CollectionFile, AFailedWriteLeavesTheOldFileWhole) {
    const char* limitText = std::getenv("LINKHAVEN_FILE_SIZE_LIMIT");
    if (!limitText) GTEST_SKIP() << "needs a file size limit: run through scripts/with-file-size-limit";
    const std::size_t limit = std::strtoul(limitText, nullptr, 10);
    c.setTitle(&c, "small");
    const std::string before = savedBytes();

    // Well past the limit, and past the writer's buffer, so the failure comes from a real write.
    const std::string text(1000, 'x');
    while (c.childCount() * 3 * text.size() < 4 * limit + (2u << 20)) {
        Link* link = c.appendLink(&c).node()->asLink();
        c.setTitle(link, text);
        c.setDescription(link, text);
        c.setUrl(link, text);
    }
    EXPECT_FALSE(c.save(path));
    EXPECT_TRUE(c.modified);
    EXPECT_EQ(before, readFileBytes(path));
    EXPECT_EQ(1u, folder.entryCount()) << "the temporary file was left behind";
}
