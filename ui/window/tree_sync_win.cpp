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
        HTREEITEM item = insertNodeItem(tree_, node);
        if (expanded_.erase(node) && item) expandFolderItem(tree_, item);
    }

    void removing(BookmarkNode* node) override {
        // An undo brings the folder back as the user left it.
        HTREEITEM item = itemOfNode(node);
        if (item && node->asFolder() && isExpanded(tree_, item)) expanded_.insert(node);
        removeNodeItem(tree_, node);
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
