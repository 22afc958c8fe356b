#include "tree_view.h"

#include <algorithm>
#include <string>
#include <vector>

#include "core/wide_text_win.h"
#include "exchange/link_fields.h"
#include "import/item_insertion.h"
#include "ui/application.h"
#include "ui/tree/context_menu.h"
#include "ui/tree/drag_drop.h"
#include "ui/tree/description_pane.h"
#include "ui/dialogs/item_dialogs.h"
#include "ui/shell/common_controls.h"
#include "ui/shell/language_modules.h"
#include "ui/shell/long_work.h"
#include "ui/tree/open_link.h"
#include "ui/resource_ids.h"
#include "ui/tree/title_order.h"
#include "ui/shell/ui_services.h"

namespace {
constexpr COLORREF kImageMaskColour = RGB(128, 0, 0);

HWND mainWindowOf(HWND tree) { return ::GetParent(tree); }

void refreshDescriptionOf(HWND tree) { showDescription(mainWindowOf(tree)); }

void selectItem(HWND tree, HTREEITEM item) {
    ::SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
}

// Makes a link or folder of the fields at the insert point, in the
// collection and in the control.
HTREEITEM insertFieldsItem(HWND tree, const ItemFields& fields, bool folder, HTREEITEM selected,
                           InsertOptions options) {
    const InsertPoint point = resolveInsertPoint(tree, selected, options.into);
    BookmarkNode* node = folder ? static_cast<BookmarkNode*>(new Folder) : new Link;
    node->title = fields.title;
    node->description = fields.description;
    if (Link* link = node->asLink()) link->url = fields.url;
    theApp.history.insert(point.folder, point.position, node);
    HTREEITEM item = showItemOf(tree, node);
    if (item && options.select) selectItem(tree, item);
    if (item && options.refreshDescription && !options.select) refreshDescriptionOf(tree);
    return item;
}

// The label of a step that concerns `node`.
StepLabel stepOn(unsigned textId, const BookmarkNode* node) { return {textId, node ? node->title.str() : ""}; }

void onEndLabelEdit(HWND tree, NMTVDISPINFOW* info, LRESULT& result) {
    theApp.acceleratorsEnabled = true;
    result = FALSE;
    if (!info->item.pszText) return;  // editing cancelled
    if (info->item.pszText[0] == L'\0') {
        // The control can end one refused edit twice (Wine's does, as the edit
        // box loses the focus): the reason is posted, and told once.
        ::PostMessageW(mainWindowOf(tree), kTitleRequiredMessage, 0, 0);
        return;
    }
    BookmarkNode* node = nodeOfItem(tree, info->item.hItem);
    if (!node) return;
    EditStep step(theApp.history, stepOn(IDS_STEP_RENAME, node));
    theApp.history.setText(node, NodeField::Title, narrowText(info->item.pszText));
    result = TRUE;
}

bool shiftHeld() { return (::GetAsyncKeyState(VK_SHIFT) & 0x8000) != 0; }
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

InsertPoint resolveInsertPoint(HWND tree, HTREEITEM selected, bool into) {
    BookmarkNode* node = nodeOfItem(tree, selected);
    if (!node) return {&theApp.collection, theApp.collection.childrenEnd()};
    if (Folder* folder = node->asFolder(); into && folder) return {folder, folder->childrenEnd()};
    Folder* parent = node->parent ? node->parent : &theApp.collection;
    const ChildPosition at = Collection::positionOf(node);
    return {parent, into ? at : at.next()};
}

HTREEITEM insertLinkItem(HWND tree, const ItemFields& fields, HTREEITEM selected, InsertOptions options) {
    return insertFieldsItem(tree, fields, false, selected, options);
}

HTREEITEM insertFolderItem(HWND tree, const ItemFields& fields, HTREEITEM selected, InsertOptions options) {
    return insertFieldsItem(tree, fields, true, selected, options);
}

InsertedCounts insertFromSource(HWND tree, ItemSource& source, HTREEITEM target, bool into, bool selectFirst) {
    // The items are built apart first and go in as one step, so an undo
    // takes back the whole import.
    const InsertPoint point = resolveInsertPoint(tree, target, into);
    Folder staging;
    InsertedCounts counts;
    {
        LongWork work(mainWindowOf(tree), IDS_WORK_READING, true, IDS_WORK_COUNT);
        counts = stageItems(staging, source, levelsAllowedBelow(point.folder), &work);
    }
    if (counts.cancelled) return counts;  // the staged items go with `staging`
    BookmarkNode* first = staging.childrenBegin().node();
    {
        RedrawOff quiet(tree);  // a dropped bookmark file may hold 100,000 links
        theApp.history.insertChildrenOf(staging, point.folder, point.position);
    }
    if (HTREEITEM item = first && selectFirst ? showItemOf(tree, first) : nullptr) selectItem(tree, item);
    return counts;
}

void deleteItem(HWND tree, HTREEITEM item, bool skipConfirm) {
    BookmarkNode* node = nodeOfItem(tree, item);
    if (!node) return;
    const Folder* folder = node->asFolder();
    if (!skipConfirm && folder && folder->childCount() > 0 &&
        showMessageId(mainWindowOf(tree), IDS_CONFIRM_DELETE_FOLDER, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) !=
            IDYES)
        return;
    theApp.history.remove(node);
    refreshDescriptionOf(tree);
}

void newLink(HWND tree) {
    ItemFields fields;
    readClipboardLinkFields(fields);
    if (fields.url.empty()) fields.url = "http://";
    if (!editLink(mainWindowOf(tree), fields)) return;
    EditStep step(theApp.history, {IDS_STEP_NEW_LINK, fields.title});
    insertLinkItem(tree, fields, selectedItem(tree), kNewItemOptions);
}

void newFolder(HWND tree) {
    ItemFields fields;
    if (!editFolder(mainWindowOf(tree), fields)) return;
    EditStep step(theApp.history, {IDS_STEP_NEW_FOLDER, fields.title});
    insertFolderItem(tree, fields, selectedItem(tree), kNewItemOptions);
}

void editProperties(HWND tree) {
    HTREEITEM item = selectedItem(tree);
    BookmarkNode* node = nodeOfItem(tree, item);
    if (!node) return;
    ItemFields fields{node->title.str(), node->description.str(), {}};
    Link* link = node->asLink();
    if (link) fields.url = link->url.str();
    if (!(link ? editLink(mainWindowOf(tree), fields) : editFolder(mainWindowOf(tree), fields))) return;
    EditStep step(theApp.history, stepOn(IDS_STEP_PROPERTIES, node));
    theApp.history.setText(node, NodeField::Description, fields.description);
    theApp.history.setText(node, NodeField::Title, fields.title);
    if (link) theApp.history.setText(link, NodeField::Url, fields.url);
}

void deleteSelected(HWND tree) {
    HTREEITEM item = selectedItem(tree);
    EditStep step(theApp.history, stepOn(IDS_STEP_DELETE, nodeOfItem(tree, item)));
    deleteItem(tree, item, false);
}

void renameSelected(HWND tree) {
    if (HTREEITEM item = selectedItem(tree))
        ::SendMessageW(tree, TVM_EDITLABELW, 0, reinterpret_cast<LPARAM>(item));
}

void sortChildren(HWND tree) {
    BookmarkNode* node = selectedTreeNode(tree);
    Folder* folder = node && node->asFolder() ? node->asFolder() : node && node->parent ? node->parent : &theApp.collection;
    std::vector<BookmarkNode*> order;
    order.reserve(folder->childCount());
    for (ChildPosition at = folder->childrenBegin(); !at.isEnd(); ++at) order.push_back(at.node());
    std::stable_sort(order.begin(), order.end(), [](const BookmarkNode* a, const BookmarkNode* b) {
        return compareTitles(a->title, b->title) < 0;
    });
    EditStep step(theApp.history, {IDS_STEP_SORT, {}});
    theApp.history.reorder(folder, order);
}

void showStepResult(HWND tree, BookmarkNode* node) {
    if (HTREEITEM item = showItemOf(tree, node)) {
        selectItem(tree, item);
        ::SendMessageW(tree, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item));
    }
    refreshDescriptionOf(tree);
}

void undoStep(HWND tree) {
    BookmarkNode* shown;
    {
        RedrawOff quiet(tree);
        shown = theApp.history.undo();
    }
    showStepResult(tree, shown);
}

void redoStep(HWND tree) {
    BookmarkNode* shown;
    {
        RedrawOff quiet(tree);
        shown = theApp.history.redo();
    }
    showStepResult(tree, shown);
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
    case TVN_ITEMEXPANDINGW: {
        const NMTREEVIEWW* view = reinterpret_cast<NMTREEVIEWW*>(header);
        if (view->action & TVE_EXPAND) fillFolderItems(tree, view->itemNew.hItem);
        return FALSE;
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
        expandFolderItem(tree, item, TVE_TOGGLE);
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
