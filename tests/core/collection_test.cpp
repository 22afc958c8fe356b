#include "core/collection.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "core/collection_walker.h"
#include "item_log.h"
#include "tree_text.h"

namespace {
Link* addLink(Collection& c, Folder* parent, const char* title, const char* url = "") {
    Link* link = c.appendLink(parent).node()->asLink();
    c.setTitle(link, title);
    c.setUrl(link, url);
    return link;
}

Folder* addFolder(Collection& c, Folder* parent, const char* title) {
    Folder* folder = c.appendFolder(parent).node()->asFolder();
    c.setTitle(folder, title);
    return folder;
}

std::function<BookmarkNode*()> yielding(std::vector<BookmarkNode*> nodes) {
    auto index = std::make_shared<std::size_t>(0);
    return [nodes, index]() -> BookmarkNode* { return *index < nodes.size() ? nodes[(*index)++] : nullptr; };
}
}  // namespace

TEST(Collection, InsertsBeforeTheGivenPosition) {
    Collection c;
    Folder* folder = addFolder(c, &c, "f");

    ChildPosition atB = c.insertLink(folder, folder->childrenBegin());  // empty: begin is the end
    c.setTitle(atB.node(), "b");
    ChildPosition atD = c.insertLink(folder, folder->childrenEnd());
    c.setTitle(atD.node(), "d");
    c.setTitle(c.insertLink(folder, folder->childrenBegin()).node(), "a");
    c.setTitle(c.insertFolder(folder, atD).node(), "c");
    EXPECT_EQ("{f{a <>, b <>, c{}, d <>}}", treeText(c));
    EXPECT_EQ(4u, folder->childCount());
    for (ChildPosition p = folder->childrenBegin(); !p.isEnd(); ++p) EXPECT_EQ(folder, p.node()->parent);

    // A position survives insertions and removals of other children.
    BookmarkNode* b = atB.node();
    c.remove(folder->childrenBegin().node());
    c.remove(atD.node());
    c.insertLink(folder, folder->childrenEnd());
    EXPECT_EQ(b, atB.node());
    EXPECT_EQ("{f{b <>, c{}, <>}}", treeText(c));

    EXPECT_EQ(&c, folder->parent);
}

TEST(Collection, EveryChangeSetsModifiedAndClearResetsIt) {
    Collection c;
    Folder* folder = addFolder(c, &c, "f");
    Link* link = addLink(c, folder, "l", "u");
    Folder* empty = addFolder(c, &c, "empty");
    Link* doomed = addLink(c, &c, "doomed");

    const std::vector<std::pair<const char*, std::function<void()>>> changes = {
        {"insertFolder", [&] { c.insertFolder(&c, c.childrenEnd()); }},
        {"insertLink", [&] { c.insertLink(folder, folder->childrenBegin()); }},
        {"appendFolder", [&] { c.appendFolder(folder); }},
        {"appendLink", [&] { c.appendLink(&c); }},
        {"setTitle to the same text", [&] { c.setTitle(link, "l"); }},
        {"setDescription", [&] { c.setDescription(folder, "d"); }},
        {"setUrl to the same text", [&] { c.setUrl(link, "u"); }},
        {"remove", [&] { c.remove(doomed); }},
        {"reorderChildren of an empty folder", [&] { c.reorderChildren(empty, [] { return nullptr; }); }},
    };
    for (const auto& [name, change] : changes) {
        c.modified = false;
        change();
        EXPECT_TRUE(c.modified) << name;
    }
    EXPECT_EQ(0u, empty->childCount());

    c.setTitle(&c, "title");
    c.clear();
    EXPECT_FALSE(c.modified);
    EXPECT_EQ("{}", treeText(c));
    EXPECT_EQ(0u, c.childCount());
}

TEST(Collection, RemoveDestroysTheWholeSubtree) {
    Collection c;
    buildTree(c, "{keep{}, gone{inner{deep <>}, x <>}}");
    BookmarkNode* keep = c.childrenBegin().node();

    c.remove(c.childrenBegin().next().node());  // the sanitizers report anything left behind
    EXPECT_EQ("{keep{}}", treeText(c));
    EXPECT_EQ(1u, c.childCount());
    EXPECT_EQ(keep, c.childrenBegin().node());

    // A node that was never inserted has no parent to unlink from.
    c.modified = false;
    Folder* loose = new Folder;
    c.remove(loose);
    EXPECT_TRUE(c.modified);
}

TEST(Collection, ReorderChildrenTakesOnlyAPermutationOfTheChildren) {
    Collection c;
    Link* a = addLink(c, &c, "a");
    Link* b = addLink(c, &c, "b");
    Folder* f = addFolder(c, &c, "f");
    Link* inner = addLink(c, f, "inner");

    EXPECT_TRUE(c.reorderChildren(&c, yielding({f, a, b})));
    EXPECT_EQ("{f{inner <>}, a <>, b <>}", treeText(c));
    EXPECT_EQ(3u, c.childCount());

    EXPECT_FALSE(c.reorderChildren(&c, yielding({a, a, b})));      // a repeat
    EXPECT_FALSE(c.reorderChildren(&c, yielding({a, inner, b})));  // a stranger
    EXPECT_FALSE(c.reorderChildren(&c, yielding({b, a})));         // too few
    EXPECT_EQ("{f{inner <>}, a <>, b <>}", treeText(c));
}

TEST(Collection, StringsHoldAnyBytes) {
    Collection c;
    Link* link = addLink(c, &c, "");
    std::string everyByte;
    for (int i = 0; i < 256; ++i) everyByte += static_cast<char>(i);
    c.setTitle(link, everyByte);
    c.setUrl(link, everyByte);
    EXPECT_EQ(everyByte, std::string(Collection::titleOf(link)));
    EXPECT_EQ(everyByte, std::string(Collection::urlOf(link)));
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
    addLink(*c, folder, "bottom");
    CollectionWalker walker(c->childrenBegin(), c->childrenEnd());
    EXPECT_EQ(std::string(depth + 1, '{') + "bottom <>" + std::string(depth + 1, '}'), itemLog(walker, 2 * depth + 2));
    c.reset();  // would overflow the stack if destruction recursed
}
