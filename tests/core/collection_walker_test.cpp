#include "core/collection_walker.h"

#include <gtest/gtest.h>

#include <string>

#include "core/collection.h"
#include "item_log.h"
#include "tree_text.h"

TEST(CollectionWalker, WalksOneNodeOrARangeWithOneEndPerLevel) {
    Collection c;
    buildTree(c, "{empty{}, full \"d\"{a \"x\\x0D\\x0Ay\" <http://a/>, sub{b <>}}, last <>}");
    BookmarkNode* empty = c.childrenBegin().node();
    Folder* full = c.childrenBegin().next().node()->asFolder();
    BookmarkNode* a = full->childrenBegin().node();

    CollectionWalker overEmpty(Collection::positionOf(empty), Collection::positionOf(empty).next());
    EXPECT_EQ("F empty | \nE\nE\n", itemLog(overEmpty));
    EXPECT_EQ(ItemCode::EndOfFolder, overEmpty.next());  // after the end, only ends

    CollectionWalker overLink(Collection::positionOf(a), Collection::positionOf(a).next());
    EXPECT_EQ(ItemCode::LinkItem, overLink.next());  // next() looks without moving on
    EXPECT_EQ("L a | x\r\ny | http://a/\nE\n", itemLog(overLink));

    CollectionWalker overFull(Collection::positionOf(full), Collection::positionOf(full).next());
    EXPECT_EQ("F full | d\nL a | x\r\ny | http://a/\nF sub | \nL b |  | \nE\nE\nE\n", itemLog(overFull));

    CollectionWalker overAll(c.childrenBegin(), c.childrenEnd());
    EXPECT_EQ("F empty | \nE\nF full | d\nL a | x\r\ny | http://a/\nF sub | \nL b |  | \nE\nE\nL last |  | \nE\n",
              itemLog(overAll));

    CollectionWalker overNothing(c.childrenEnd(), c.childrenEnd());
    EXPECT_EQ("E\n", itemLog(overNothing));
}
