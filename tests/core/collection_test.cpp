#include "core/collection.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "core/collection_walker.h"
#include "item_log.h"
#include "tree_text.h"

namespace {
std::function<BookmarkNode*()> yielding(std::vector<BookmarkNode*> nodes) {
    auto index = std::make_shared<std::size_t>(0);
    return [nodes, index]() -> BookmarkNode* { return *index < nodes.size() ? nodes[(*index)++] : nullptr; };
}
}  // namespace

TEST(Collection, InsertsBeforeTheGivenPositionAndReordersOnlyByAPermutation) {
    Collection c;
    Folder* folder = c.appendFolder(&c).node()->asFolder();
    ChildPosition atB = c.insertLink(folder, folder->childrenBegin());  // empty: begin is the end
    c.setTitle(atB.node(), "b");
    ChildPosition atD = c.insertLink(folder, folder->childrenEnd());
    c.setTitle(atD.node(), "d");
    c.setTitle(c.insertLink(folder, folder->childrenBegin()).node(), "a");
    c.setTitle(c.insertFolder(folder, atD).node(), "c");
    EXPECT_EQ("{{a <>, b <>, c{}, d <>}}", treeText(c));

    // A position survives insertions and removals of other children.
    BookmarkNode* b = atB.node();
    c.remove(folder->childrenBegin().node());
    c.remove(atD.node());
    c.insertLink(folder, folder->childrenEnd());
    EXPECT_EQ(b, atB.node());
    EXPECT_EQ("{{b <>, c{}, <>}}", treeText(c));

    // Only a permutation of the children reorders them.
    BookmarkNode* folderC = atB.next().node();
    c.modified = false;
    EXPECT_FALSE(c.reorderChildren(folder, yielding({b, b, folderC})));       // a repeat
    EXPECT_FALSE(c.reorderChildren(folder, yielding({b, folder, folderC})));  // a stranger
    EXPECT_FALSE(c.reorderChildren(folder, yielding({folderC, b})));          // too few
    EXPECT_EQ("{{b <>, c{}, <>}}", treeText(c));
    EXPECT_FALSE(c.modified);
}

TEST(Collection, EveryChangeSetsModifiedAndClearResetsIt) {
    Collection c;
    Folder* folder = c.appendFolder(&c).node()->asFolder();
    Link* link = c.appendLink(folder).node()->asLink();
    Folder* empty = c.appendFolder(&c).node()->asFolder();
    Link* doomed = c.appendLink(&c).node()->asLink();

    const std::vector<std::pair<const char*, std::function<void()>>> changes = {
        {"insertFolder", [&] { c.insertFolder(&c, c.childrenEnd()); }},
        {"insertLink", [&] { c.insertLink(folder, folder->childrenBegin()); }},
        {"appendFolder", [&] { c.appendFolder(folder); }},
        {"appendLink", [&] { c.appendLink(&c); }},
        {"setTitle to the same text", [&] { c.setTitle(link, ""); }},
        {"setDescription", [&] { c.setDescription(folder, "d"); }},
        {"setUrl to the same text", [&] { c.setUrl(link, ""); }},
        {"remove", [&] { c.remove(doomed); }},
        {"remove of a node never inserted (no parent to unlink from)", [&] { c.remove(new Folder); }},
        {"reorderChildren of an empty folder", [&] { c.reorderChildren(empty, [] { return nullptr; }); }},
    };
    for (const auto& [name, change] : changes) {
        c.modified = false;
        change();
        EXPECT_TRUE(c.modified) << name;
    }

    c.setTitle(&c, "title");
    c.clear();
    EXPECT_FALSE(c.modified);
    EXPECT_EQ("{}", treeText(c));
    EXPECT_EQ(0u, c.childCount());
}

TEST(Collection, RemoveDestroysTheWholeSubtree) {
    Collection c;
    buildTree(c, "{keep{}, gone{inner{deep <>}, x <>}}");
    c.remove(c.childrenBegin().next().node());  // the sanitizers report anything left behind
    EXPECT_EQ("{keep{}}", treeText(c));
    EXPECT_EQ(1u, c.childCount());
}

TEST(Collection, StringsHoldAnyBytes) {
    Collection c;
    Link* link = c.appendLink(&c).node()->asLink();
    std::string everyByte;
    for (int i = 0; i < 256; ++i) everyByte += static_cast<char>(i);
    c.setTitle(link, everyByte);
    EXPECT_EQ(everyByte, link->title.str());
    EXPECT_EQ('\0', link->title.c_str()[256]);

    // Assigning a node's text from itself keeps it.
    c.setDescription(link, link->title);
    EXPECT_EQ(everyByte, link->description.str());
    c.setDescription(link, "");
    EXPECT_TRUE(link->description.empty());
    EXPECT_STREQ("", link->description.c_str());
}

TEST(Collection, VeryDeepTreesAreWalkedAndDestroyedWithoutRecursion) {
    auto c = std::make_unique<Collection>();
    Folder* folder = c.get();
    const int depth = 200000;
    for (int level = 0; level < depth; ++level) folder = c->appendFolder(folder).node()->asFolder();
    c->appendLink(folder);
    CollectionWalker walker(c->childrenBegin(), c->childrenEnd());
    EXPECT_EQ(ItemCode::FolderItem, walker.next());  // next() looks without moving on
    EXPECT_EQ(std::string(depth + 1, '{') + "<>" + std::string(depth + 1, '}'), itemLog(walker, 2 * depth + 2));
    EXPECT_EQ(ItemCode::EndOfFolder, walker.next());  // after the end, only ends
    CollectionWalker overNothing(c->childrenEnd(), c->childrenEnd());
    EXPECT_EQ("{}", itemLog(overNothing));
    c.reset();  // would overflow the stack if destruction recursed
}
