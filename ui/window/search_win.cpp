#include "search.h"

#include "core/bookmark_node.h"
#include "core/wide_text_win.h"
#include "ui/application.h"
#include "ui/shell/help.h"
#include "ui/shell/language_modules.h"
#include "ui/window/main_window.h"
#include "ui/resource_ids.h"
#include "ui/tree/tree_view.h"
#include "ui/shell/ui_services.h"

namespace {
// The dialog's check boxes and the option bit each stands for.
constexpr struct {
    int control;
    std::uint32_t bit;
} kOptionBoxes[] = {
    {IDC_SEARCH_IGNORE_CASE, SearchFlag::IgnoreCase}, {IDC_SEARCH_FOLDERS, SearchFlag::Folders},
    {IDC_SEARCH_URLS, SearchFlag::Urls},              {IDC_SEARCH_TITLES, SearchFlag::Titles},
    {IDC_SEARCH_DESCRIPTIONS, SearchFlag::Descriptions}, {IDC_SEARCH_FROM_TOP, SearchFlag::FromTop},
};

bool checked(HWND dialog, int control) { return ::IsDlgButtonChecked(dialog, control) == BST_CHECKED; }

// Folders are searched by their names and descriptions: the box means
// something only while one of those is searched.
void enableFoldersBox(HWND dialog) {
    ::EnableWindow(::GetDlgItem(dialog, IDC_SEARCH_FOLDERS),
                   checked(dialog, IDC_SEARCH_TITLES) || checked(dialog, IDC_SEARCH_DESCRIPTIONS));
}

void acceptSearch(HWND dialog, SearchState& state) {
    state.text = windowText(::GetDlgItem(dialog, IDC_SEARCH_TEXT));
    for (const auto& box : kOptionBoxes) {
        if (checked(dialog, box.control))
            state.flags |= box.bit;
        else
            state.flags &= ~box.bit;
    }
    if (!(state.flags & (SearchFlag::Titles | SearchFlag::Descriptions))) state.flags &= ~SearchFlag::Folders;
}

INT_PTR CALLBACK searchDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = reinterpret_cast<SearchState*>(::GetWindowLongPtrW(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG:
        state = reinterpret_cast<SearchState*>(lParam);
        ::SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        ::SetDlgItemTextW(dialog, IDC_SEARCH_TEXT, wideText(state->text).c_str());
        for (const auto& box : kOptionBoxes)
            ::CheckDlgButton(dialog, box.control, state->flags & box.bit ? BST_CHECKED : BST_UNCHECKED);
        enableFoldersBox(dialog);
        return TRUE;
    case WM_HELP:
        helpTopic(dialog, HELP_TOPIC_SEARCH);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_SEARCH_TITLES:
        case IDC_SEARCH_DESCRIPTIONS:
            enableFoldersBox(dialog);
            return TRUE;
        case IDOK:
            acceptSearch(dialog, *state);
            ::EndDialog(dialog, IDOK);
            return TRUE;
        case IDCANCEL:
            ::EndDialog(dialog, IDCANCEL);
            return TRUE;
        case IDM_HELP:
            helpTopic(dialog, HELP_TOPIC_SEARCH);
            return TRUE;
        }
        break;
    }
    return FALSE;
}

bool nodeMatches(const BookmarkNode& node, const SearchState& state) {
    if (const Link* link = node.asLink())
        return fieldMatches(link->url, state, SearchFlag::Urls) || fieldMatches(link->title, state, SearchFlag::Titles) ||
               fieldMatches(link->description, state, SearchFlag::Descriptions);
    if (!(state.flags & SearchFlag::Folders)) return false;
    return fieldMatches(node.title, state, SearchFlag::Titles) ||
           fieldMatches(node.description, state, SearchFlag::Descriptions);
}

bool searchesSomething(const SearchState& state) {
    return !state.text.empty() &&
           (state.flags & (SearchFlag::Folders | SearchFlag::Urls | SearchFlag::Titles)) != 0;
}
}  // namespace

bool searchDialog(HWND owner, SearchState& state) {
    SearchState edited = state;
    if (::DialogBoxParamW(languageModules().module(), MAKEINTRESOURCEW(IDD_SEARCH), owner, searchDialogProc,
                          reinterpret_cast<LPARAM>(&edited)) != IDOK)
        return false;
    state = std::move(edited);
    return true;
}

TreeWalker::TreeWalker(HWND tree, HTREEITEM start)
    : current_(start ? nodeOfItem(tree, start) : theApp.collection.childrenBegin().node()) {}

void TreeWalker::advance() {
    last_ = current_;
    if (!current_) return;  // past the end, or an empty tree
    if (const Folder* folder = current_->asFolder(); folder && folder->childCount() > 0) {
        current_ = folder->childrenBegin().node();
        return;
    }
    // The next sibling of the node or of its nearest ancestor that has one,
    // below the collection's root.
    for (const BookmarkNode* node = current_; node && node != &theApp.collection; node = node->parent) {
        if (BookmarkNode* sibling = ChildPosition(const_cast<BookmarkNode*>(node)).next().node()) {
            current_ = sibling;
            return;
        }
    }
    current_ = nullptr;
}

bool findInTree(HWND tree, const SearchState& state, bool continuing) {
    HTREEITEM start = !continuing && (state.flags & SearchFlag::FromTop) ? nullptr : selectedItem(tree);
    TreeWalker walker(tree, start);
    if (continuing) walker.advance();
    // The nodes are tested directly rather than through copies of their fields:
    // a million of them are searched in a blink.
    while (!walker.atEnd()) {
        const BookmarkNode* node = walker.currentNode();
        walker.advance();
        if (nodeMatches(*node, state)) {
            ::SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(showItemOf(tree, walker.lastNode())));
            return true;
        }
    }
    return false;
}

void find(HWND mainWindow) {
    if (!searchDialog(mainWindow, theApp.searchState)) return;
    if (!searchesSomething(theApp.searchState)) return;
    if (!findInTree(treeOf(mainWindow), theApp.searchState, false)) showMessageId(mainWindow, IDS_NOT_FOUND, MB_OK);
}

void findNext(HWND mainWindow) {
    if (theApp.searchState.text.empty()) {
        find(mainWindow);
        return;
    }
    HWND tree = treeOf(mainWindow);
    if (findInTree(tree, theApp.searchState, true)) return;
    if (showMessageId(mainWindow, IDS_FIND_FROM_TOP, MB_YESNO | MB_ICONQUESTION) != IDYES) return;
    SearchState fromTop = theApp.searchState;
    fromTop.flags |= SearchFlag::FromTop;
    if (!findInTree(tree, fromTop, false)) showMessageId(mainWindow, IDS_NOT_FOUND, MB_OK);
}
