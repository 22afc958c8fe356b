#include "core/collection_walker.h"

#include <gtest/gtest.h>

#include <string>

namespace {
// Every item the walker yields, as text: F(title|description) L(title|description|url) E
std::string walk(CollectionWalker& walker, int extraNexts = 0) {
    std::string out;
    int depth = 1;
    while (depth > 0) {
        ItemCode code = walker.next();
        ItemFields fields;
        if (code == ItemCode::EndOfFolder) {
            out += "E ";
            --depth;
        } else if (code == ItemCode::FolderItem) {
            walker.folder(fields);
            out += "F(" + fields.title + "|" + fields.description + ") ";
            ++depth;
        } else {
            walker.link(fields);
            out += "L(" + fields.title + "|" + fields.description + "|" + fields.url + ") ";
        }
    }
    for (int i = 0; i < extraNexts; ++i) out += walker.next() == ItemCode::EndOfFolder ? "E " : "? ";
    return out;
}
}  // namespace

TEST(CollectionWalker, WalksOneNodeOrARangeWithOneEndPerLevel) {
    Collection c;
    Folder* empty = c.appendFolder(&c).node()->asFolder();
    c.setTitle(empty, "empty");
    Folder* full = c.appendFolder(&c).node()->asFolder();
    c.setTitle(full, "full");
    c.setDescription(full, "d");
    Link* a = c.appendLink(full).node()->asLink();
    c.setTitle(a, "a");
    c.setUrl(a, "http://a/");
    c.setDescription(a, "x\r\ny");
    Folder* sub = c.appendFolder(full).node()->asFolder();
    c.setTitle(sub, "sub");
    Link* b = c.appendLink(sub).node()->asLink();
    c.setTitle(b, "b");
    Link* last = c.appendLink(&c).node()->asLink();
    c.setTitle(last, "last");

    CollectionWalker overEmpty(Collection::positionOf(empty), Collection::positionOf(empty).next());
    EXPECT_EQ("F(empty|) E E E E ", walk(overEmpty, 2));

    CollectionWalker overLink(Collection::positionOf(a), Collection::positionOf(a).next());
    EXPECT_EQ("L(a|x\r\ny|http://a/) E ", walk(overLink));

    CollectionWalker overFull(Collection::positionOf(full), Collection::positionOf(full).next());
    EXPECT_EQ("F(full|d) L(a|x\r\ny|http://a/) F(sub|) L(b||) E E E ", walk(overFull));

    CollectionWalker overAll(c.childrenBegin(), c.childrenEnd());
    EXPECT_EQ("F(empty|) E F(full|d) L(a|x\r\ny|http://a/) F(sub|) L(b||) E E L(last||) E ", walk(overAll));

    CollectionWalker overNothing(c.childrenEnd(), c.childrenEnd());
    EXPECT_EQ("E ", walk(overNothing));
}

TEST(CollectionWalker, NextDoesNotAdvance) {
    Collection c;
    c.setTitle(c.appendLink(&c).node(), "one");
    CollectionWalker walker(c.childrenBegin(), c.childrenEnd());
    EXPECT_EQ(ItemCode::LinkItem, walker.next());
    EXPECT_EQ(ItemCode::LinkItem, walker.next());
    ItemFields fields;
    walker.link(fields);
    EXPECT_EQ("one", fields.title);
    EXPECT_EQ(ItemCode::EndOfFolder, walker.next());
}

TEST(CollectionWalker, WalksVeryDeepTreesWithoutRecursion) {
    Collection c;
    Folder* folder = &c;
    const int depth = 100000;
    for (int level = 0; level < depth; ++level) folder = c.appendFolder(folder).node()->asFolder();
    CollectionWalker walker(c.childrenBegin(), c.childrenEnd());
    int folders = 0, ends = 0;
    for (int open = 1; open > 0;) {
        ItemFields fields;
        if (walker.next() == ItemCode::FolderItem) {
            walker.folder(fields);
            ++folders;
            ++open;
        } else {
            ++ends;
            --open;
        }
    }
    EXPECT_EQ(depth, folders);
    EXPECT_EQ(depth + 1, ends);
}
