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
    EXPECT_EQ("{empty{}}", itemLog(overEmpty));
    EXPECT_EQ(ItemCode::EndOfFolder, overEmpty.next());  // after the end, only ends

    CollectionWalker overLink(Collection::positionOf(a), Collection::positionOf(a).next());
    EXPECT_EQ(ItemCode::LinkItem, overLink.next());  // next() looks without moving on
    EXPECT_EQ(R"({a "x\x0D\x0Ay" <http://a/>})", itemLog(overLink));

    CollectionWalker overFull(Collection::positionOf(full), Collection::positionOf(full).next());
    EXPECT_EQ(R"({full "d"{a "x\x0D\x0Ay" <http://a/>, sub{b <>}}})", itemLog(overFull));

    CollectionWalker overAll(c.childrenBegin(), c.childrenEnd());
    EXPECT_EQ(treeText(c), itemLog(overAll));

    CollectionWalker overNothing(c.childrenEnd(), c.childrenEnd());
    EXPECT_EQ("{}", itemLog(overNothing));
}
