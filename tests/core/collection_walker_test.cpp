#include "core/collection_walker.h"

#include <gtest/gtest.h>

#include <string>

#include "core/collection.h"
#include "item_log.h"

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
