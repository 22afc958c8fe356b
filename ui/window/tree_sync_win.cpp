#include "ui/window/tree_sync.h"

#include <unordered_set>

#include "ui/application.h"
#include "ui/tree/description_pane.h"
#include "ui/tree/tree_view.h"
#include "ui/window/main_window.h"

namespace {
class TreeSync final : public CollectionView {
public:
    explicit TreeSync(HWND tree) : tree_(tree) {}

    void inserted(BookmarkNode* node) override {
        HTREEITEM parentItem = node->parent == &theApp.collection ? TVI_ROOT : itemOfNode(node->parent);
        if (!parentItem) return;
        // At the end the control finds the place without a search.
        HTREEITEM after = !node->nextSibling()      ? TVI_LAST
                          : node->previousSibling() ? itemOfNode(node->previousSibling())
                                                    : TVI_FIRST;
        HTREEITEM item = insertSubtree(tree_, node, parentItem, after);
        if (expanded_.erase(node) && item)
            ::SendMessageW(tree_, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
    }

    void removing(BookmarkNode* node) override {
        HTREEITEM item = itemOfNode(node);
        if (!item) return;
        // An undo brings the folder back as the user left it.
        if (node->asFolder() &&
            (::SendMessageW(tree_, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), TVIS_EXPANDED) & TVIS_EXPANDED))
            expanded_.insert(node);
        ::SendMessageW(tree_, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(item));
    }

    void changed(BookmarkNode* node) override {
        HWND mainWindow = ::GetParent(tree_);
        if (node == &theApp.collection) {
            updateCaption(mainWindow);
            return;
        }
        if (HTREEITEM item = itemOfNode(node)) setItemText(tree_, item, node);
        if (selectedTreeNode(tree_) == node) showDescription(mainWindow);
    }

    void reordered(Folder* folder) override { reorderItems(tree_, folder); }

    void discarding(const BookmarkNode* node) override { expanded_.erase(node); }

private:
    HWND tree_;
    std::unordered_set<const BookmarkNode*> expanded_;  // folders out of the tree, expanded when they left
};

TreeSync* sync = nullptr;
}  // namespace

void followCollection(HWND tree) {
    stopFollowingCollection();
    sync = new TreeSync(tree);
    theApp.history.setView(sync);
}

void stopFollowingCollection() {
    theApp.history.setView(nullptr);
    delete sync;
    sync = nullptr;
}
