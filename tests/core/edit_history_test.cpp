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

#include "core/memory_bytes.h"

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
std::string savedBytes(const Collection& collection) {
    MemorySink sink;
    EXPECT_TRUE(collection.writeFile(sink));
    return sink.bytes();
}

BookmarkNode* newNode(bool folder, const std::string& title) {
    BookmarkNode* node = folder ? static_cast<BookmarkNode*>(new Folder) : new Link;
    node->title = title;
    if (Link* link = node->asLink()) link->url = "http://" + title + "/";
    return node;
}

std::vector<BookmarkNode*> nodesOf(Folder& root) {
    std::vector<BookmarkNode*> nodes;
    std::vector<Folder*> open{&root};
    while (!open.empty()) {
        Folder* folder = open.back();
        open.pop_back();
        for (ChildPosition at = folder->childrenBegin(); !at.isEnd(); ++at) {
            nodes.push_back(at.node());
            if (Folder* inner = at.node()->asFolder()) open.push_back(inner);
        }
    }
    return nodes;
}

// Follows the tree from the view's calls alone, as the window's control does,
// so a call at the wrong moment or the wrong place shows as a difference.
class MirrorView final : public CollectionView {
public:
    explicit MirrorView(Folder& root) : root_(root) { addFolders(&root); }

    void inserted(BookmarkNode* node) override {
        std::size_t index = 0;
        for (BookmarkNode* before = node->previousSibling(); before; before = before->previousSibling()) ++index;
        auto& siblings = children_.at(node->parent);
        ASSERT_LE(index, siblings.size());
        siblings.insert(siblings.begin() + static_cast<std::ptrdiff_t>(index), node);
        addFolders(node);
    }
    void removing(BookmarkNode* node) override {
        auto& siblings = children_.at(node->parent);
        const auto found = std::find(siblings.begin(), siblings.end(), node);
        ASSERT_NE(found, siblings.end());
        siblings.erase(found);
    }
    void changed(BookmarkNode*) override {}
    void reordered(Folder* folder) override {
        auto& siblings = children_.at(folder);
        ASSERT_EQ(siblings.size(), folder->childCount());
        siblings.assign(folder->childCount(), nullptr);
        std::size_t i = 0;
        for (ChildPosition at = folder->childrenBegin(); !at.isEnd(); ++at) siblings[i++] = at.node();
    }

    // The tree as the view has it, a title a line.
    std::string text() const { return text(&root_, 0); }
    static std::string treeTitles(const Folder& folder, int depth = 0) {
        std::string out;
        for (ChildPosition at = folder.childrenBegin(); !at.isEnd(); ++at) {
            out += std::string(2 * depth, ' ') + at.node()->title.str() + "\n";
            if (const Folder* inner = at.node()->asFolder()) out += treeTitles(*inner, depth + 1);
        }
        return out;
    }

private:
    void addFolders(BookmarkNode* node) {
        if (Folder* folder = node->asFolder()) {
            auto& siblings = children_[folder];
            siblings.clear();
            for (ChildPosition at = folder->childrenBegin(); !at.isEnd(); ++at) {
                siblings.push_back(at.node());
                addFolders(at.node());
            }
        }
    }
    std::string text(const BookmarkNode* folder, int depth) const {
        std::string out;
        for (const BookmarkNode* node : children_.at(folder)) {
            out += std::string(2 * depth, ' ') + node->title.str() + "\n";
            if (node->asFolder()) out += text(node, depth + 1);
        }
        return out;
    }

    Folder& root_;
    std::map<const BookmarkNode*, std::vector<const BookmarkNode*>> children_;
};

// Random edits, undos and redos on a random tree. Every state the tree passes
// through is kept as saved bytes; undo and redo must give them back exactly.
TEST(EditHistory, UndoAndRedoRetraceEveryStateOfRandomEdits) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        SCOPED_TRACE(seed);
        std::mt19937 random(seed);
        const auto below = [&](std::size_t n) { return static_cast<std::size_t>(random() % n); };
        Collection collection;
        collection.title = "Collection";
        int names = 0;
        const auto name = [&] {
            ++names;
            return "n" + std::to_string(names) + (names % 7 == 0 ? "\xC3\xA9\xE4\xB9\xA6" : "");
        };
        const auto randomFolder = [&] {
            std::vector<BookmarkNode*> nodes = nodesOf(collection);
            nodes.erase(std::remove_if(nodes.begin(), nodes.end(), [](BookmarkNode* n) { return !n->asFolder(); }),
                        nodes.end());
            return nodes.empty() || below(4) == 0 ? static_cast<Folder*>(&collection) : nodes[below(nodes.size())]->asFolder();
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
        std::vector<std::string> states{savedBytes(collection)};
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
                std::vector<BookmarkNode*> order;
                for (ChildPosition at = folder->childrenBegin(); !at.isEnd(); ++at) order.push_back(at.node());
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
                ASSERT_EQ(states[--current], savedBytes(collection));
            } else if (choice == 1 && history.canRedo()) {
                history.redo();
                ASSERT_EQ(states[++current], savedBytes(collection));
            } else {
                const std::string number = std::to_string(i);
                {
                    EditStep step(history, {0, number});
                    for (std::size_t n = below(4) == 0 ? 3 : 1; n > 0; --n) edit();
                }
                if (history.canUndo() && history.undoLabel().subject == number) {
                    states.resize(++current);
                    states.push_back(savedBytes(collection));
                    EXPECT_FALSE(history.canRedo());
                }
            }
            ASSERT_EQ(MirrorView::treeTitles(collection), view.text());
        }
        while (history.canUndo()) history.undo();
        EXPECT_EQ(states.front(), savedBytes(collection));
        while (history.canRedo()) history.redo();
        EXPECT_EQ(states[states.size() - 1], savedBytes(collection));
        ASSERT_EQ(MirrorView::treeTitles(collection), view.text());
    }
}

TEST(EditHistory, ARemovedFolderMovesIntoTheHistoryAndBackWithoutACopy) {
    Collection collection;
    Folder* folder = collection.appendFolder(&collection).node()->asFolder();
    for (int i = 0; i < 100000; ++i) collection.appendLink(folder).node()->title = "link " + std::to_string(i);
    const std::string before = savedBytes(collection);
    EditHistory history(collection);

    const std::size_t allocated = allocations;
    history.remove(folder);
    EXPECT_GT(history.heldBytes(), 100000 * sizeof(Link));
    EXPECT_EQ(folder, history.undo());
    EXPECT_LT(allocations - allocated, 100u);
    EXPECT_EQ(0u, history.heldBytes());
    EXPECT_EQ(before, savedBytes(collection));
}

TEST(EditHistory, TheModifiedMarkFollowsTheSavedStateAndTheBudgetDropsTheOldestSteps) {
    Collection collection;
    EditHistory history(collection);
    history.clear();
    EXPECT_FALSE(collection.modified);
    history.setText(&collection, NodeField::Title, "a");
    history.setText(&collection, NodeField::Title, "b");
    history.markSaved();
    EXPECT_FALSE(collection.modified);
    history.undo();
    EXPECT_TRUE(collection.modified);
    history.redo();
    EXPECT_FALSE(collection.modified);
    history.undo();
    history.setText(&collection, NodeField::Title, "c");  // the saved state can no longer come back
    EXPECT_FALSE(history.canRedo());
    history.undo();
    EXPECT_TRUE(collection.modified);

    // Three folders of about 1.5 MB each in a budget of 4 MB: the newest two stay.
    history.clear();
    history.setMemoryBudget(4u << 20);
    std::vector<Folder*> folders;
    for (int f = 0; f < 3; ++f) {
        folders.push_back(collection.appendFolder(&collection).node()->asFolder());
        for (int i = 0; i < 10000; ++i) collection.appendLink(folders.back()).node()->asLink()->url = std::string(60, 'u');
    }
    for (Folder* folder : folders) history.remove(folder);
    EXPECT_EQ(folders[2], history.undo());
    EXPECT_EQ(folders[1], history.undo());
    EXPECT_FALSE(history.canUndo());
    EXPECT_EQ(2u, collection.childCount());
    EXPECT_TRUE(collection.modified);
}
}  // namespace
