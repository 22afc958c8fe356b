#include "tree_view.h"

#include <string>
#include <vector>

#include "core/wide_text_win.h"
#include "exchange/link_fields.h"
#include "ui/application.h"
#include "ui/tree/context_menu.h"
#include "ui/tree/drag_drop.h"
#include "ui/tree/description_pane.h"
#include "ui/dialogs/item_dialogs.h"
#include "ui/shell/common_controls.h"
#include "ui/shell/language_modules.h"
#include "ui/tree/open_link.h"
#include "ui/resource_ids.h"
#include "ui/tree/title_order.h"
#include "ui/shell/ui_services.h"

namespace {
constexpr COLORREF kImageMaskColour = RGB(128, 0, 0);

// Keeps a control from painting while many items change. LockWindowUpdate
// alone leaves bulk inserts quadratic under Wine; WM_SETREDRAW does not.
class RedrawOff {
public:
    explicit RedrawOff(HWND window) : window_(window) { ::SendMessageW(window_, WM_SETREDRAW, FALSE, 0); }
    RedrawOff(const RedrawOff&) = delete;
    RedrawOff& operator=(const RedrawOff&) = delete;
    ~RedrawOff() {
        ::SendMessageW(window_, WM_SETREDRAW, TRUE, 0);
        ::InvalidateRect(window_, nullptr, TRUE);
    }

private:
    HWND window_;
};

HTREEITEM nextItem(HWND tree, HTREEITEM item, UINT relation) {
    return reinterpret_cast<HTREEITEM>(
        ::SendMessageW(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
}

int folderDepth(const Folder* folder) {
    int depth = 0;
    for (const Folder* parent = folder->parent; parent; parent = parent->parent) ++depth;
    return depth;
}

void setItemText(HWND tree, HTREEITEM item, const BookmarkNode* node) {
    std::wstring title = wideText(node->title);
    TVITEMW change{};
    change.mask = TVIF_TEXT;
    change.hItem = item;
    change.pszText = title.data();
    ::SendMessageW(tree, TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&change));
}

HWND mainWindowOf(HWND tree) { return ::GetParent(tree); }

void refreshDescriptionOf(HWND tree) { showDescription(mainWindowOf(tree)); }

struct InsertedItem {
    HTREEITEM item;
    BookmarkNode* node;
};

// Makes a link or folder of the fields at the insert point, in the
// collection and in the control.
InsertedItem insertFieldsAt(HWND tree, const InsertPoint& point, const ItemFields& fields, bool folder, bool select) {
    BookmarkNode* node = folder ? theApp.collection.insertFolder(point.folder, point.position).node()
                                : theApp.collection.insertLink(point.folder, point.position).node();
    theApp.collection.setTitle(node, fields.title);
    theApp.collection.setDescription(node, fields.description);
    if (Link* link = node->asLink()) theApp.collection.setUrl(link, fields.url);
    HTREEITEM item = insertItem(tree, node, point.parentItem, point.insertAfter, select);
    if (!item) {
        theApp.collection.remove(node);
        return {nullptr, nullptr};
    }
    return {item, node};
}

HTREEITEM insertFieldsItem(HWND tree, const ItemFields& fields, bool folder, HTREEITEM selected,
                           InsertOptions options) {
    HTREEITEM item =
        insertFieldsAt(tree, resolveInsertPoint(tree, selected, options.into), fields, folder, options.select).item;
    if (item && options.refreshDescription && !options.select) refreshDescriptionOf(tree);
    return item;
}

void onEndLabelEdit(HWND tree, NMTVDISPINFOW* info, LRESULT& result) {
    theApp.acceleratorsEnabled = true;
    result = FALSE;
    if (!info->item.pszText) return;  // editing cancelled
    if (info->item.pszText[0] == L'\0') {
        showMessageId(mainWindowOf(tree), IDS_FIELD_REQUIRED, MB_OK | MB_ICONHAND);
        return;
    }
    BookmarkNode* node = nodeOfItem(tree, info->item.hItem);
    if (!node) return;
    theApp.collection.setTitle(node, narrowText(info->item.pszText));
    result = TRUE;
}

bool shiftHeld() { return (::GetAsyncKeyState(VK_SHIFT) & 0x8000) != 0; }

int CALLBACK compareItemTitles(LPARAM first, LPARAM second, LPARAM) {
    return compareTitles(reinterpret_cast<BookmarkNode*>(first)->title,
                         reinterpret_cast<BookmarkNode*>(second)->title);
}
}  // namespace

HWND createTreeView(HWND parent, const RECT& rect) {
    // The class is registered by the library, which nothing imports.
    if (!initCommonControls(ICC_TREEVIEW_CLASSES)) return nullptr;
    HWND tree = ::CreateWindowExW(WS_EX_CLIENTEDGE, WC_TREEVIEWW, L"",
                                  WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | TVS_HASBUTTONS |
                                      TVS_HASLINES | TVS_LINESATROOT | TVS_EDITLABELS,
                                  rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, parent,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_TREE)),
                                  ::GetModuleHandleW(nullptr), nullptr);
    if (!tree) return nullptr;
    // Its notifications come in their W form whatever the parent answers
    // when the control asks it (WM_NOTIFYFORMAT).
    ::SendMessageW(tree, CCM_SETUNICODEFORMAT, TRUE, 0);
    theApp.itemsByNode.clear();
    HBITMAP images = static_cast<HBITMAP>(::LoadImageW(languageModules().module(),
                                                       MAKEINTRESOURCEW(IDB_TREE_IMAGES), IMAGE_BITMAP, 0, 0,
                                                       LR_SHARED));
    HIMAGELIST list = images ? createImageList(16, 16, ILC_MASK | ILC_COLOR24, 0, 4) : nullptr;
    if (!list || addMaskedImages(list, images, kImageMaskColour) < 0) {
        if (list) destroyImageList(list);
        ::DestroyWindow(tree);
        return nullptr;
    }
    ::SendMessageW(tree, TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(list));
    return tree;
}

void destroyTreeImages(HWND tree) {
    const auto list = reinterpret_cast<HIMAGELIST>(
        ::SendMessageW(tree, TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(nullptr)));
    if (list) destroyImageList(list);
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

HTREEITEM selectedItem(HWND tree) { return nextItem(tree, nullptr, TVGN_CARET); }

BookmarkNode* selectedTreeNode(HWND tree) { return nodeOfItem(tree, selectedItem(tree)); }

HTREEITEM itemAtScreenPoint(HWND tree, int screenX, int screenY) {
    TVHITTESTINFO hit{};
    hit.pt = {screenX, screenY};
    ::ScreenToClient(tree, &hit.pt);
    ::SendMessageW(tree, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
    return hit.flags & (TVHT_ONITEM | TVHT_ONITEMBUTTON) ? hit.hItem : nullptr;
}

bool isInSubtree(HWND tree, HTREEITEM item, HTREEITEM ancestor) {
    for (; item; item = nextItem(tree, item, TVGN_PARENT))
        if (item == ancestor) return true;
    return false;
}

HTREEITEM insertItem(HWND tree, BookmarkNode* node, HTREEITEM parent, HTREEITEM insertAfter, bool select) {
    std::wstring title = wideText(node->title);
    TVINSERTSTRUCTW insert{};
    insert.hParent = parent;
    insert.hInsertAfter = insertAfter;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_STATE;
    insert.item.pszText = title.data();
    insert.item.lParam = reinterpret_cast<LPARAM>(node);
    const bool folder = node->asFolder() != nullptr;
    insert.item.iImage = folder ? ClosedFolderImage : LinkImage;
    insert.item.iSelectedImage = folder ? OpenFolderImage : LinkImage;
    auto item = reinterpret_cast<HTREEITEM>(
        ::SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
    if (item) theApp.itemsByNode[node] = item;
    if (item && select) ::SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
    return item;
}

void rebuildTree(HWND tree) {
    UpdateLock lock(tree);
    RedrawOff quiet(tree);
    ::SendMessageW(tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
    theApp.itemsByNode.clear();
    theApp.itemsByNode.reserve(static_cast<std::size_t>(theApp.collection.childCount()) * 4);
    // Depth first without recursion: one (next child, item) pair per open folder.
    std::vector<std::pair<ChildPosition, HTREEITEM>> open{{theApp.collection.childrenBegin(), TVI_ROOT}};
    while (!open.empty()) {
        auto& [position, parentItem] = open.back();
        if (position.isEnd()) {
            open.pop_back();
            continue;
        }
        BookmarkNode* node = position.node();
        ++position;
        HTREEITEM item = insertItem(tree, node, parentItem, TVI_LAST, false);
        if (Folder* folder = node->asFolder(); folder && item) open.emplace_back(folder->childrenBegin(), item);
    }
}

InsertPoint resolveInsertPoint(HWND tree, HTREEITEM selected, bool into) {
    BookmarkNode* node = nodeOfItem(tree, selected);
    if (!node) return {TVI_ROOT, TVI_LAST, &theApp.collection, theApp.collection.childrenEnd()};
    if (Folder* folder = node->asFolder(); into && folder)
        return {selected, TVI_LAST, folder, folder->childrenEnd()};

    HTREEITEM parentItem = nextItem(tree, selected, TVGN_PARENT);
    Folder* parent = node->parent ? node->parent : &theApp.collection;
    const ChildPosition at = Collection::positionOf(node);
    if (into) {
        HTREEITEM previous = nextItem(tree, selected, TVGN_PREVIOUS);
        return {parentItem ? parentItem : TVI_ROOT, previous ? previous : TVI_FIRST, parent, at};
    }
    return {parentItem ? parentItem : TVI_ROOT, selected, parent, at.next()};
}

HTREEITEM insertLinkItem(HWND tree, const ItemFields& fields, HTREEITEM selected, InsertOptions options) {
    return insertFieldsItem(tree, fields, false, selected, options);
}

HTREEITEM insertFolderItem(HWND tree, const ItemFields& fields, HTREEITEM selected, InsertOptions options) {
    return insertFieldsItem(tree, fields, true, selected, options);
}

void insertFromSource(HWND tree, ItemSource& source, HTREEITEM target, bool into, bool selectFirst) {
    // One entry per open level, with the place of its next item (the position
    // in the collection's folder stays the same, as each item goes before it).
    // The place is carried along rather than asked of the control, where each
    // question about an item costs a search of all items under Wine.
    // A folder too deep to be made opens no level of its own: its items go on
    // into the level that would have held it.
    struct Level {
        InsertPoint point;
        int depth;           // of the folder the items of this level go into
        int skippedFolders;  // folders not made at this level, still open in the source
    };
    RedrawOff quiet(tree);  // a dropped bookmark file may hold 100,000 links
    const InsertPoint start = resolveInsertPoint(tree, target, into);
    std::vector<Level> levels{{start, folderDepth(start.folder), 0}};
    bool select = selectFirst;
    while (!levels.empty()) {
        Level& level = levels.back();
        const ItemCode code = source.next();
        ItemFields fields;
        if (code == ItemCode::LinkItem || code == ItemCode::FolderItem) {
            const bool folder = code == ItemCode::FolderItem;
            if (folder)
                source.folder(fields);
            else
                source.link(fields);
            if (folder && level.depth + 1 > static_cast<int>(Folder::kMaxDepth)) {
                ++level.skippedFolders;
                continue;
            }
            const InsertedItem inserted = insertFieldsAt(tree, level.point, fields, folder, select);
            if (!inserted.item) return;
            select = false;
            // The next item goes right after this one; at the end of a folder
            // that is the end still, which the control finds without a search.
            if (level.point.insertAfter != TVI_LAST) level.point.insertAfter = inserted.item;
            if (Folder* made = inserted.node->asFolder())
                levels.push_back({{inserted.item, TVI_LAST, made, made->childrenEnd()}, level.depth + 1, 0});
        } else if (level.skippedFolders > 0) {
            --level.skippedFolders;
        } else {
            levels.pop_back();
        }
    }
}

void deleteItem(HWND tree, HTREEITEM item, bool skipConfirm) {
    BookmarkNode* node = nodeOfItem(tree, item);
    if (!node) return;
    const Folder* folder = node->asFolder();
    if (!skipConfirm && folder && folder->childCount() > 0 &&
        showMessageId(mainWindowOf(tree), IDS_CONFIRM_DELETE_FOLDER, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) !=
            IDYES)
        return;
    ::SendMessageW(tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(item));
    theApp.collection.remove(node);
    refreshDescriptionOf(tree);
}

void newLink(HWND tree) {
    ItemFields fields;
    readClipboardLinkFields(fields);
    if (fields.url.empty()) fields.url = "http://";
    if (editLink(mainWindowOf(tree), fields)) insertLinkItem(tree, fields, selectedItem(tree), kNewItemOptions);
}

void newFolder(HWND tree) {
    ItemFields fields;
    if (editFolder(mainWindowOf(tree), fields)) insertFolderItem(tree, fields, selectedItem(tree), kNewItemOptions);
}

void editProperties(HWND tree) {
    HTREEITEM item = selectedItem(tree);
    BookmarkNode* node = nodeOfItem(tree, item);
    if (!node) return;
    ItemFields fields{node->title.str(), node->description.str(), {}};
    if (Link* link = node->asLink()) {
        fields.url = link->url.str();
        if (!editLink(mainWindowOf(tree), fields)) return;
        theApp.collection.setDescription(link, fields.description);
        theApp.collection.setTitle(link, fields.title);
        theApp.collection.setUrl(link, fields.url);
    } else {
        if (!editFolder(mainWindowOf(tree), fields)) return;
        theApp.collection.setDescription(node, fields.description);
        theApp.collection.setTitle(node, fields.title);
    }
    setItemText(tree, item, node);
    refreshDescriptionOf(tree);
}

void deleteSelected(HWND tree) { deleteItem(tree, selectedItem(tree), false); }

void renameSelected(HWND tree) {
    if (HTREEITEM item = selectedItem(tree))
        ::SendMessageW(tree, TVM_EDITLABELW, 0, reinterpret_cast<LPARAM>(item));
}

void sortChildren(HWND tree) {
    HTREEITEM selected = selectedItem(tree);
    BookmarkNode* node = nodeOfItem(tree, selected);
    HTREEITEM parentItem = TVI_ROOT;
    Folder* folder = &theApp.collection;
    if (node && node->asFolder()) {
        parentItem = selected;
        folder = node->asFolder();
    } else if (node) {
        HTREEITEM above = nextItem(tree, selected, TVGN_PARENT);
        parentItem = above ? above : TVI_ROOT;
        folder = node->parent ? node->parent : &theApp.collection;
    }
    TVSORTCB sort{parentItem, compareItemTitles, 0};
    if (!::SendMessageW(tree, TVM_SORTCHILDRENCB, 0, reinterpret_cast<LPARAM>(&sort))) return;
    HTREEITEM child = nextItem(tree, parentItem == TVI_ROOT ? nullptr : parentItem,
                               parentItem == TVI_ROOT ? TVGN_ROOT : TVGN_CHILD);
    theApp.collection.reorderChildren(folder, [&]() -> BookmarkNode* {
        BookmarkNode* next = nodeOfItem(tree, child);
        child = nextItem(tree, child, TVGN_NEXT);
        return next;
    });
}

LRESULT handleTreeNotification(HWND mainWindow, NMHDR* header) {
    HWND tree = header->hwndFrom;
    switch (header->code) {
    case TVN_BEGINLABELEDITW:
        theApp.acceleratorsEnabled = false;
        return 0;
    case TVN_ENDLABELEDITW: {
        LRESULT result;
        onEndLabelEdit(tree, reinterpret_cast<NMTVDISPINFOW*>(header), result);
        return result;
    }
    case TVN_DELETEITEMW: {
        const TVITEMW& gone = reinterpret_cast<NMTREEVIEWW*>(header)->itemOld;
        theApp.itemsByNode.erase(reinterpret_cast<const BookmarkNode*>(gone.lParam));
        // The focus must never come back to an item that is gone.
        if (gone.hItem == theApp.mainWindowState.rememberedSelection) theApp.mainWindowState.rememberedSelection = nullptr;
        return 0;
    }
    case TVN_SELCHANGEDW:
        showDescription(mainWindow);
        return 1;
    case NM_KILLFOCUS:
        theApp.mainWindowState.rememberedSelection = selectedItem(tree);
        return 1;
    case NM_SETFOCUS:
        // Also when there was none: the control itself would select its first item.
        theApp.mainWindowState.focusedPane = tree;
        ::SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET,
                       reinterpret_cast<LPARAM>(theApp.mainWindowState.rememberedSelection));
        return 1;
    case NM_RETURN: {
        if (openSelectedLink(mainWindow, tree, shiftHeld())) return 1;
        HTREEITEM item = selectedItem(tree);
        if (!item) return 0;
        ::SendMessageW(tree, TVM_EXPAND, TVE_TOGGLE, reinterpret_cast<LPARAM>(item));
        return 1;
    }
    case NM_DBLCLK:
        return openSelectedLink(mainWindow, tree, shiftHeld()) ? 1 : 0;
    case TVN_BEGINDRAGW:
        beginDrag(tree, reinterpret_cast<NMTREEVIEWW*>(header)->itemNew.hItem);
        return 1;
    case NM_RCLICK:
        showContextMenu(tree, true);
        return 1;
    case NM_CLICK: {
        POINT cursor;
        ::GetCursorPos(&cursor);
        if (itemAtScreenPoint(tree, cursor.x, cursor.y)) return 0;
        ::SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, 0);
        showDescription(mainWindow);
        return 1;
    }
    default:
        return 0;
    }
}
