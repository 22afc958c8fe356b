#include "core/edit_history.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <map>
#include <new>
#include <random>
#include <string>
#include <vector>

#include "tree_text.h"

// Every allocation of this program is counted, to show what undo copies.
// (The replacements pair malloc with free, which the warning cannot see.)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
namespace {
std::atomic<std::size_t> allocations{0};
}
void* operator new(std::size_t size) {
    ++allocations;
    if (void* block = std::malloc(size ? size : 1)) return block;
    throw std::bad_alloc();
}
void operator delete(void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }

namespace {
BookmarkNode* newNode(bool folder, const std::string& title) {
    BookmarkNode* node = folder ? static_cast<BookmarkNode*>(new Folder) : new Link;
    node->title = title;
    return node;
}

std::vector<BookmarkNode*> childrenOf(const Folder* folder) {
    std::vector<BookmarkNode*> children;
    for (ChildPosition at = folder->childrenBegin(); !at.isEnd(); ++at) children.push_back(at.node());
    return children;
}

std::vector<BookmarkNode*> nodesOf(Folder& root) {
    std::vector<BookmarkNode*> nodes = childrenOf(&root);
    for (std::size_t i = 0; i < nodes.size(); ++i)
        if (const Folder* folder = nodes[i]->asFolder())
            for (BookmarkNode* child : childrenOf(folder)) nodes.push_back(child);
    return nodes;
}

// Follows the tree from the view's calls alone, as the window's control does,
// so that a call at the wrong moment or place shows as a difference.
class MirrorView final : public CollectionView {
public:
    explicit MirrorView(Folder& root) { copy(&root); }
    void inserted(BookmarkNode* node) override {
        auto& siblings = children_.at(node->parent);
        auto at = std::find(siblings.begin(), siblings.end(), node->previousSibling());
        siblings.insert(node->previousSibling() ? at + (at != siblings.end()) : siblings.begin(), node);
        copy(node);
    }
    void removing(BookmarkNode* node) override { std::erase(children_.at(node->parent), node); }
    void changed(BookmarkNode*) override {}
    void reordered(Folder* folder) override { children_[folder] = childrenOf(folder); }

    bool matches(Folder& root) const {
        const auto same = [this](const auto& entry) { return children_.at(entry.first) == entry.second; };
        return std::ranges::all_of(MirrorView(root).children_, same);
    }

private:
    void copy(BookmarkNode* node) {
        if (const Folder* folder = node->asFolder())
            for (BookmarkNode* child : children_[node] = childrenOf(folder)) copy(child);
    }
    std::map<const BookmarkNode*, std::vector<BookmarkNode*>> children_;
};

// Random edits, undos and redos on a random tree. Every state the tree passes
// through is kept as tree text; undo and redo must give them back exactly.
TEST(EditHistory, UndoAndRedoRetraceEveryStateOfRandomEdits) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        SCOPED_TRACE(seed);
        std::mt19937 random(seed);
        const auto below = [&](std::size_t n) { return static_cast<std::size_t>(random() % n); };
        Collection collection;
        collection.title = "Collection";
        int names = 0;
        const auto name = [&] { return "n" + std::to_string(++names) + "\xC3\xA9\xE4\xB9\xA6"; };
        const auto randomFolder = [&] {
            std::vector<BookmarkNode*> nodes = nodesOf(collection);
            std::erase_if(nodes, [](BookmarkNode* n) { return !n->asFolder(); });
            return nodes.empty() || below(4) == 0 ? &collection : nodes[below(nodes.size())]->asFolder();
        };
        const auto randomPosition = [&](Folder* folder) {
            ChildPosition at = folder->childrenBegin();
            for (std::size_t n = below(folder->childCount() + 1); n > 0; --n) ++at;
            return at;
        };
        for (int i = 0; i < 30; ++i) {
            Folder* folder = randomFolder();
            collection.link(folder, randomPosition(folder), newNode(below(3) == 0, name()));
        }

        EditHistory history(collection);
        MirrorView view(collection);
        history.setView(&view);
        std::vector<std::string> states{treeText(collection)};
        std::size_t current = 0;
        const auto edit = [&] {
            std::vector<BookmarkNode*> nodes = nodesOf(collection);
            BookmarkNode* node = nodes.empty() ? nullptr : nodes[below(nodes.size())];
            Folder* folder = randomFolder();
            switch (below(node ? 6 : 1)) {
            case 0: history.insert(folder, randomPosition(folder), newNode(below(3) == 0, name())); break;
            case 1: history.remove(node); break;
            case 2: history.move(node, folder, randomPosition(folder)); break;
            case 3: history.setText(node, static_cast<NodeField>(below(3)), name()); break;
            case 4: {
                std::vector<BookmarkNode*> order = childrenOf(folder);
                std::shuffle(order.begin(), order.end(), random);
                EXPECT_TRUE(history.reorder(folder, order));
                break;
            }
            default: {  // an import: a staged subtree of new nodes
                Folder staging;
                Folder* inner = static_cast<Folder*>(newNode(true, name()));
                inner->insertChild(inner->childrenEnd(), newNode(false, name()));
                staging.insertChild(staging.childrenEnd(), inner);
                staging.insertChild(staging.childrenEnd(), newNode(false, name()));
                history.insertChildrenOf(staging, folder, randomPosition(folder));
            }
            }
        };
        for (int i = 0; i < 300; ++i) {
            const std::size_t choice = below(10);
            if (choice == 0 && history.canUndo()) {
                history.undo();
                ASSERT_EQ(states[--current], treeText(collection));
            } else if (choice == 1 && history.canRedo()) {
                history.redo();
                ASSERT_EQ(states[++current], treeText(collection));
            } else {
                const std::string number = std::to_string(i);
                {
                    EditStep step(history, {0, number});
                    for (std::size_t n = below(4) == 0 ? 3 : 1; n > 0; --n) edit();
                }
                if (history.canUndo() && history.undoLabel().subject == number) {
                    states.resize(++current);
                    states.push_back(treeText(collection));
                    EXPECT_FALSE(history.canRedo());
                }
            }
            ASSERT_TRUE(view.matches(collection));
        }
        while (history.canUndo()) history.undo();
        EXPECT_EQ(states.front(), treeText(collection));
        while (history.canRedo()) history.redo();
        EXPECT_EQ(states.back(), treeText(collection));
        EXPECT_TRUE(view.matches(collection));
    }
}

// Undoing and redoing to the saved state is checked in the window (Undo.ADeletedFolderComesBack...).
TEST(EditHistory, ANewChangeAsDeepAsTheSavedStateIsNoSavedState) {
    Collection collection;
    EditHistory history(collection);
    history.setText(&collection, NodeField::Title, "a");
    history.markSaved();
    history.undo();
    history.setText(&collection, NodeField::Title, "b");
    EXPECT_TRUE(collection.modified);
    history.undo();
    history.redo();
    EXPECT_TRUE(collection.modified);
}

// Removed folders move into the history and back without a copy, and the
// budget drops the oldest steps: of three folders of about 1.5 MB each in a
// budget of 4 MB, the newest two stay.
TEST(EditHistory, RemovedFoldersMoveIntoTheHistoryWithoutACopyWithinTheBudget) {
    Collection collection;
    std::vector<Folder*> folders;
    for (int f = 0; f < 3; ++f) {
        folders.push_back(collection.appendFolder(&collection).node()->asFolder());
        for (int i = 0; i < 10000; ++i) collection.appendLink(folders.back()).node()->asLink()->url = std::string(60, 'u');
    }
    const std::string kept = treeText(*folders[1]);
    EditHistory history(collection);
    history.setMemoryBudget(4u << 20);
    const std::size_t allocated = allocations;
    for (Folder* folder : folders) history.remove(folder);
    EXPECT_GT(history.heldBytes(), 2 * 10000 * sizeof(Link));
    EXPECT_EQ(folders[2], history.undo());
    EXPECT_EQ(folders[1], history.undo());
    EXPECT_LT(allocations - allocated, 100u);
    EXPECT_FALSE(history.canUndo());
    EXPECT_EQ(0u, history.heldBytes());
    EXPECT_EQ("{" + kept + ", " + kept + "}", treeText(collection));
    EXPECT_TRUE(collection.modified);
}
}  // namespace
