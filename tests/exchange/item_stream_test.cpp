#include "exchange/item_stream.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "core/collection.h"
#include "exchange/single_link_source.h"
#include "tree_text.h"

namespace {
std::string counted(const std::string& text) {
    const auto size = static_cast<std::uint32_t>(text.size());
    std::string out{static_cast<char>(size & 0xFF), static_cast<char>((size >> 8) & 0xFF),
                    static_cast<char>((size >> 16) & 0xFF), static_cast<char>(size >> 24)};
    return out + text;
}

std::string streamOf(const Collection& c, const BookmarkNode* node) {
    std::string block(measureNodeStream(c, *node), '\x7F');
    writeNodeStream(c, *node, block.data());
    return block;
}

// Reads a whole stream into a folder the way the tree's insert does, and
// answers how many next() calls it took.
int readInto(Collection& c, Folder* into, ItemSource& source) {
    int calls = 0;
    Folder* folder = into;
    for (;;) {
        ++calls;
        ItemCode code = source.next();
        ItemFields fields;
        if (code == ItemCode::EndOfFolder) {
            if (folder == into) return calls;
            folder = folder->parent;
        } else if (code == ItemCode::FolderItem) {
            source.folder(fields);
            folder = c.appendFolder(folder).node()->asFolder();
            c.setTitle(folder, fields.title);
            c.setDescription(folder, fields.description);
        } else {
            source.link(fields);
            Link* link = c.appendLink(folder).node()->asLink();
            c.setTitle(link, fields.title);
            c.setDescription(link, fields.description);
            c.setUrl(link, fields.url);
        }
    }
}

class ItemStream : public testing::Test {
protected:
    Collection c;
    Link* link = nullptr;
    Folder* folder = nullptr;

    void SetUp() override {
        link = c.appendLink(&c).node()->asLink();
        c.setTitle(link, "ab");
        c.setUrl(link, "u");
        c.setDescription(link, "d");
        folder = c.appendFolder(&c).node()->asFolder();
        c.setTitle(folder, "f");
        c.setDescription(folder, "fd");
        Link* inner = c.appendLink(folder).node()->asLink();
        c.setTitle(inner, "l");
        c.setUrl(inner, "x");
        Folder* empty = c.appendFolder(folder).node()->asFolder();
        c.setTitle(empty, std::string("\0\xC3\xBF\r\n", 5));
    }
};
}  // namespace

TEST_F(ItemStream, ExactBytes) {
    // A link: its title, address and description, in that order, then the final end.
    EXPECT_EQ("\x02" + counted("ab") + counted("u") + counted("d") + std::string(1, '\0'), streamOf(c, link));
    EXPECT_EQ("\x01" + counted("f") + counted("fd") +                          // the folder
                  "\x02" + counted("l") + counted("x") + counted("") +         // its link
                  "\x01" + counted(std::string("\0\xC3\xBF\r\n", 5)) + counted("") +  // an empty folder
                  std::string(1, '\0') +                                       // ends the empty folder
                  std::string(1, '\0') +                                       // ends f
                  std::string(1, '\0'),                                        // the final end
              streamOf(c, folder));
}

TEST_F(ItemStream, RoundTrip) {
    const std::string block = streamOf(c, folder);
    Collection copy;
    ItemStreamSource source(block.data(), block.size());
    readInto(copy, &copy, source);
    ASSERT_EQ(1u, copy.childCount());
    EXPECT_EQ(treeText(*folder), treeText(*copy.childrenBegin().node()->asFolder()));
    EXPECT_EQ(ItemCode::EndOfFolder, source.next());  // after the end, only ends
    EXPECT_TRUE(source.result());
}

TEST_F(ItemStream, EveryTruncationEndsCleanly) {
    const std::string block = streamOf(c, folder);
    for (std::size_t cut = 0; cut < block.size(); ++cut) {
        // A copy of exactly `cut` bytes, so the sanitizers see any read past it.
        std::unique_ptr<char[]> part(new char[cut + 1]);
        std::memcpy(part.get(), block.data(), cut);
        Collection copy;
        ItemStreamSource source(part.get(), cut);
        int calls = readInto(copy, &copy, source);
        EXPECT_LE(calls, 10) << "cut at " << cut;
        EXPECT_EQ(ItemCode::EndOfFolder, source.next());
        // Whatever came through is a beginning of the real tree.
        if (copy.childCount() > 0) {
            EXPECT_EQ("f", copy.childrenBegin().node()->title.str()) << "cut at " << cut;
        }
    }
}

TEST_F(ItemStream, HostileBlocks) {
    struct Case {
        const char* name;
        std::string block;
        std::string tree;
        std::uint64_t damagedAt;  // the offset of the record that ended the stream
    };
    const std::string end(1, '\0');
    const std::vector<Case> cases = {
        {"empty block", "", "{}", 0},
        {"count past the block", "\x02" + counted("ab") + std::string("\xF0\xFF\xFF\xFF", 4) + "u", "{}", 0},
        {"largest count", "\x01" + std::string("\xFF\xFF\xFF\xFF", 4), "{}", 0},
        {"unknown code", "\x02" + counted("a") + counted("u") + counted("") + "\x07" + "\x02" + counted("b") +
                             counted("v") + counted("") + end,
         "{a <u>}", 15},
        {"unclosed folders", "\x01" + counted("f") + counted("") + "\x01" + counted("g") + counted(""),
         "{f{g{}}}", 20},
    };
    for (const Case& test : cases) {
        Collection copy;
        ItemStreamSource source(test.block.data(), test.block.size());
        readInto(copy, &copy, source);
        EXPECT_EQ(test.tree, treeText(copy)) << test.name;
        EXPECT_EQ(ResultStatus::Damaged, source.result().status) << test.name;
        EXPECT_EQ(test.damagedAt, source.result().offset) << test.name;
    }
}

TEST(ItemStreamText, Utf8AndTheAnsiFormOlderVersionsRead) {
    const struct {
        StreamText form;
        std::string title, streamed, readBack;
    } cases[] = {
        {StreamText::Utf8, "Привет 例え 🔥 e\xCC\x81", "Привет 例え 🔥 e\xCC\x81", "Привет 例え 🔥 e\xCC\x81"},
        {StreamText::Utf8, "a\xFF\xE4\xBDz", "a\xFF\xE4\xBDz", "a\xEF\xBF\xBD\xEF\xBF\xBDz"},  // repaired when read
        {StreamText::Ansi, "Café — Привет 🔥", "Caf\xE9 \x97 ?????? ?", "Café — ?????? ?"},
    };
    for (const auto& test : cases) {
        SingleLinkSource measured({test.title, "d", "ü"}), written({test.title, "d", "ü"});
        std::string stream(measureItemStream(measured, test.form), '\x7F');
        writeItemStream(written, stream.data(), test.form);
        const std::string url = test.form == StreamText::Ansi ? "\xFC" : "ü";
        EXPECT_EQ("\x02" + counted(test.streamed) + counted(url) + counted("d") + std::string(1, '\0'), stream);
        ItemStreamSource source(stream.data(), stream.size(), test.form);
        ItemFields fields;
        ASSERT_EQ(ItemCode::LinkItem, source.next());
        source.link(fields);
        EXPECT_EQ(test.readBack + " d ü", fields.title + " " + fields.description + " " + fields.url);
    }
}
