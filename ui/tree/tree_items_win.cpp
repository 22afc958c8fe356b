#include "ui/tree/tree_items.h"

#include <string>
#include <unordered_map>
#include <vector>

#include "core/wide_text_win.h"
#include "ui/application.h"
#include "ui/shell/ui_services.h"
#include "ui/tree/tree_view.h"

namespace {
HTREEITEM firstChildItem(HWND tree, HTREEITEM item) { return nextItem(tree, item, TVGN_CHILD); }

// The item of the folder that holds `node`: the root for the top level.
HTREEITEM parentItemOf(const BookmarkNode* node) {
    return node->parent == &theApp.collection ? TVI_ROOT : itemOfNode(node->parent);
}

// Whether the folder's item shows a button. A folder emptied once and filled
// again while closed must announce its opening again (TVIS_EXPANDEDONCE).
void showChildrenButton(HWND tree, HTREEITEM item, bool show) {
    TVITEMW change{};
    change.mask = TVIF_CHILDREN | TVIF_STATE;
    change.hItem = item;
    change.cChildren = show ? 1 : 0;
    change.stateMask = TVIS_EXPANDEDONCE;
    ::SendMessageW(tree, TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&change));
}

HTREEITEM insertItem(HWND tree, BookmarkNode* node, HTREEITEM parent, HTREEITEM insertAfter) {
    std::wstring title = wideText(node->title);
    TVINSERTSTRUCTW insert{};
    insert.hParent = parent;
    insert.hInsertAfter = insertAfter;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_CHILDREN;
    insert.item.pszText = title.data();
    insert.item.lParam = reinterpret_cast<LPARAM>(node);
    const Folder* folder = node->asFolder();
    insert.item.iImage = folder ? ClosedFolderImage : LinkImage;
    insert.item.iSelectedImage = folder ? OpenFolderImage : LinkImage;
    insert.item.cChildren = folder && folder->childCount() > 0 ? 1 : 0;
    auto item = reinterpret_cast<HTREEITEM>(
        ::SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
    if (item) theApp.itemsByNode[node] = item;
    return item;
}

void insertChildItems(HWND tree, const Folder& folder, HTREEITEM parentItem) {
    for (ChildPosition at = folder.childrenBegin(); !at.isEnd(); ++at) insertItem(tree, at.node(), parentItem, TVI_LAST);
}

std::size_t positionIn(const std::unordered_map<const BookmarkNode*, std::size_t>& ranks, LPARAM node) {
    return ranks.at(reinterpret_cast<const BookmarkNode*>(node));
}

int CALLBACK compareRanks(LPARAM first, LPARAM second, LPARAM ranks) {
    const auto& rankOf = *reinterpret_cast<const std::unordered_map<const BookmarkNode*, std::size_t>*>(ranks);
    const std::size_t a = positionIn(rankOf, first), b = positionIn(rankOf, second);
    return a < b ? -1 : a > b ? 1 : 0;
}
}  // namespace

HTREEITEM nextItem(HWND tree, HTREEITEM item, UINT relation) {
    return reinterpret_cast<HTREEITEM>(
        ::SendMessageW(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
}

bool isExpanded(HWND tree, HTREEITEM item) {
    return (::SendMessageW(tree, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
}

BookmarkNode* nodeOfItem(HWND tree, HTREEITEM item) {
    if (!item) return nullptr;
    TVITEMW query{};
    query.mask = TVIF_PARAM;
    query.hItem = item;
    if (!::SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&query))) return nullptr;
    return reinterpret_cast<BookmarkNode*>(query.lParam);
}

HTREEITEM itemOfNode(const BookmarkNode* node) {
    const auto found = theApp.itemsByNode.find(node);
    return found == theApp.itemsByNode.end() ? nullptr : found->second;
}

HTREEITEM showItemOf(HWND tree, const BookmarkNode* node) {
    std::vector<const Folder*> above;
    for (const Folder* folder = node ? node->parent : nullptr; folder && folder != &theApp.collection;
         folder = folder->parent)
        above.push_back(folder);
    for (auto folder = above.rbegin(); folder != above.rend(); ++folder) fillFolderItems(tree, itemOfNode(*folder));
    return itemOfNode(node);
}

void fillFolderItems(HWND tree, HTREEITEM item) {
    const BookmarkNode* node = nodeOfItem(tree, item);
    const Folder* folder = node ? node->asFolder() : nullptr;
    if (!folder || folder->childCount() == 0 || firstChildItem(tree, item)) return;
    RedrawOff quiet(tree);  // a folder may hold 100,000 links
    insertChildItems(tree, *folder, item);
}

void expandFolderItem(HWND tree, HTREEITEM item, UINT action) {
    if (!isExpanded(tree, item)) fillFolderItems(tree, item);
    ::SendMessageW(tree, TVM_EXPAND, action, reinterpret_cast<LPARAM>(item));
}

HTREEITEM insertNodeItem(HWND tree, BookmarkNode* node) {
    HTREEITEM parentItem = parentItemOf(node);
    if (!parentItem) return nullptr;
    if (parentItem != TVI_ROOT) {
        showChildrenButton(tree, parentItem, true);
        // Its siblings have no items: all come as the folder opens.
        if (!firstChildItem(tree, parentItem)) {
            if (isExpanded(tree, parentItem)) fillFolderItems(tree, parentItem);
            return itemOfNode(node);
        }
    }
    // At the end the control finds the place without a search.
    HTREEITEM after = !node->nextSibling()      ? TVI_LAST
                      : node->previousSibling() ? itemOfNode(node->previousSibling())
                                                : TVI_FIRST;
    return insertItem(tree, node, parentItem, after);
}

void removeNodeItem(HWND tree, const BookmarkNode* node) {
    if (HTREEITEM item = itemOfNode(node)) ::SendMessageW(tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(item));
    HTREEITEM parentItem = parentItemOf(node);
    if (parentItem && parentItem != TVI_ROOT && node->parent->childCount() == 1)
        showChildrenButton(tree, parentItem, false);
}

void setItemText(HWND tree, HTREEITEM item, const BookmarkNode* node) {
    std::wstring title = wideText(node->title);
    TVITEMW change{};
    change.mask = TVIF_TEXT;
    change.hItem = item;
    change.pszText = title.data();
    ::SendMessageW(tree, TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&change));
}

void reorderItems(HWND tree, Folder* folder) {
    HTREEITEM parentItem = folder == &theApp.collection ? TVI_ROOT : itemOfNode(folder);
    if (!parentItem || (parentItem != TVI_ROOT && !firstChildItem(tree, parentItem))) return;
    std::unordered_map<const BookmarkNode*, std::size_t> ranks;
    ranks.reserve(folder->childCount());
    for (ChildPosition at = folder->childrenBegin(); !at.isEnd(); ++at) ranks.emplace(at.node(), ranks.size());
    TVSORTCB sort{parentItem, compareRanks, reinterpret_cast<LPARAM>(&ranks)};
    ::SendMessageW(tree, TVM_SORTCHILDRENCB, 0, reinterpret_cast<LPARAM>(&sort));
}

void rebuildTree(HWND tree) {
    UpdateLock lock(tree);
    RedrawOff quiet(tree);
    ::SendMessageW(tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
    theApp.itemsByNode.clear();
    insertChildItems(tree, theApp.collection, TVI_ROOT);
}
