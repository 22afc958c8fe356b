#include "exchange/item_stream.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "core/collection.h"
#include "exchange/single_link_source.h"
#include "item_log.h"
#include "tree_text.h"

namespace {
std::string counted(const std::string& text) {
    std::string out(4, '\0');  // the length, least significant byte first
    for (int i = 0; i < 4; ++i) out[i] = static_cast<char>(text.size() >> 8 * i);
    return out + text;
}

std::string streamOf(const Collection& c, const BookmarkNode* node) {
    std::string block(measureNodeStream(c, *node), '\x7F');
    writeNodeStream(c, *node, block.data());
    return block;
}

class ItemStream : public testing::Test {
protected:
    Collection c;
    BookmarkNode* link = nullptr;
    BookmarkNode* folder = nullptr;

    void SetUp() override {
        buildTree(c, R"({ab "d" <u>, f "fd"{l <x>, \x00\xC3\xBF\x0D\x0A{}}})");
        link = c.childrenBegin().node();
        folder = c.childrenBegin().next().node();
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

TEST_F(ItemStream, RoundTripAndEveryTruncationEndsCleanly) {
    const std::string block = streamOf(c, folder);
    const std::string whole = "{" + treeText(*folder->asFolder()) + "}";
    ItemStreamSource source(block.data(), block.size());
    EXPECT_EQ(whole, itemLog(source));
    EXPECT_EQ(ItemCode::EndOfFolder, source.next());  // after the end, only ends
    EXPECT_TRUE(source.result());

    for (std::size_t cut = 0; cut < block.size(); ++cut) {
        // A copy of exactly `cut` bytes, so the sanitizers see any read past it.
        std::unique_ptr<char[]> part(new char[cut + 1]);
        std::memcpy(part.get(), block.data(), cut);
        ItemStreamSource cutSource(part.get(), cut);
        const std::string log = itemLog(cutSource, 10);
        // Whatever came through is a beginning of the real tree, its folders closed.
        EXPECT_EQ(0u, whole.rfind(log.substr(0, log.find_last_not_of('}') + 1), 0)) << "cut at " << cut << ": " << log;
        EXPECT_EQ(ItemCode::EndOfFolder, cutSource.next());
    }
}

TEST_F(ItemStream, HostileBlocks) {
    // What a block gives, and the offset of the record that ended it.
    const std::string end(1, '\0');
    const std::tuple<const char*, std::string, std::string, std::uint64_t> cases[] = {
        {"empty block", "", "{}", 0},
        {"count past the block", "\x02" + counted("ab") + std::string("\xF0\xFF\xFF\xFF", 4) + "u", "{}", 0},
        {"largest count", "\x01" + std::string("\xFF\xFF\xFF\xFF", 4), "{}", 0},
        {"unknown code", "\x02" + counted("a") + counted("u") + counted("") + "\x07" + "\x02" + counted("b") +
                             counted("v") + counted("") + end,
         "{a <u>}", 15},
        {"unclosed folders", "\x01" + counted("f") + counted("") + "\x01" + counted("g") + counted(""),
         "{f{g{}}}", 20},
    };
    for (const auto& [name, block, tree, damagedAt] : cases) {
        ItemStreamSource source(block.data(), block.size());
        EXPECT_EQ(tree, itemLog(source)) << name;
        EXPECT_EQ(ResultStatus::Damaged, source.result().status) << name;
        EXPECT_EQ(damagedAt, source.result().offset) << name;
    }
}

TEST(ItemStreamText, Utf8AndTheAnsiFormOlderVersionsRead) {
    const std::tuple<StreamText, std::string, std::string, std::string> cases[] = {
        {StreamText::Utf8, "Привет 例え 🔥 e\xCC\x81", "Привет 例え 🔥 e\xCC\x81", "Привет 例え 🔥 e\xCC\x81"},
        {StreamText::Utf8, "a\xFF\xE4\xBDz", "a\xFF\xE4\xBDz", "a\xEF\xBF\xBD\xEF\xBF\xBDz"},  // repaired when read
        {StreamText::Ansi, "Café — Привет 🔥", "Caf\xE9 \x97 ?????? ?", "Café — ?????? ?"},
    };
    for (const auto& [form, title, streamed, readBack] : cases) {
        SingleLinkSource measured({title, "d", "ü"}), written({title, "d", "ü"});
        std::string stream(measureItemStream(measured, form), '\x7F');
        writeItemStream(written, stream.data(), form);
        const std::string url = form == StreamText::Ansi ? "\xFC" : "ü";
        EXPECT_EQ("\x02" + counted(streamed) + counted(url) + counted("d") + std::string(1, '\0'), stream);
        ItemStreamSource source(stream.data(), stream.size(), form);
        ItemFields fields;
        ASSERT_EQ(ItemCode::LinkItem, source.next());
        source.link(fields);
        EXPECT_EQ(readBack + " d ü", fields.title + " " + fields.description + " " + fields.url);
    }
}
