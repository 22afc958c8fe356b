#include "main_window_fixture.h"

#include <ole2.h>

#include <cstring>
#include <iterator>

#include "core/settings.h"
#include "core/wide_text_win.h"
#include "tree_text.h"
#include "ui/application.h"
#include "ui/shell/language_modules.h"
#include "ui/window/main_window.h"
#include "ui/tree/tree_view.h"

namespace {
// Read with TVM_GETITEMW: the text as the control holds it.
std::string itemText(HWND tree, HTREEITEM item) {
    wchar_t text[1024] = L"";
    TVITEMW query{};
    query.mask = TVIF_TEXT;
    query.hItem = item;
    query.pszText = text;
    query.cchTextMax = std::size(text);
    ::SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&query));
    return narrowText(text);
}

void appendItems(HWND tree, HTREEITEM first, std::string& out) {
    for (HTREEITEM item = first; item; item = TreeView_GetNextSibling(tree, item)) {
        if (item != first) out += ", ";
        const BookmarkNode* node = nodeOfItem(tree, item);
        if (!node) {
            out += "?" + folderLabel(itemText(tree, item), "");
        } else if (const Link* link = node->asLink()) {
            out += linkText(itemText(tree, item), link->description, link->url);
        } else {
            out += folderLabel(itemText(tree, item), node->description) + "{";
            fillFolderItems(tree, item);
            appendItems(tree, TreeView_GetChild(tree, item), out);
            out += "}";
        }
    }
}

HTREEITEM findItem(HWND tree, HTREEITEM first, const std::string& title) {
    for (HTREEITEM item = first; item; item = TreeView_GetNextSibling(tree, item)) {
        if (itemText(tree, item) == title) return item;
        fillFolderItems(tree, item);
        if (HTREEITEM inside = findItem(tree, TreeView_GetChild(tree, item), title)) return inside;
    }
    return nullptr;
}
}  // namespace

void MainWindowFixture::SetUpTestSuite() {
    ::OleInitialize(nullptr);
    languageModules() = LanguageModules(LINKHAVEN_PROGRAM_DIR);
    registerMainWindowClass(::GetModuleHandleW(nullptr));
}

void MainWindowFixture::SetUp() {
    ASSERT_GE(languageModules().currentIndex(), 0) << "no language module in " LINKHAVEN_PROGRAM_DIR;
    theApp.collection.clear();
    theApp.history.clear();
    settings = Settings();
    settings.Left = 10;
    settings.Top = 10;
    settings.Width = 640;
    settings.Height = 480;
    settings.MinOnUse = 0;
    theApp.mainWindowState = MainWindowState();
    theApp.acceleratorsEnabled = true;
    emptyClipboard();
    window_ = createMainWindow(::GetModuleHandleW(nullptr));
    ASSERT_NE(nullptr, window_);
    ::ShowWindow(window_, SW_SHOW);
    ::UpdateWindow(window_);
    ::SetFocus(tree());
}

void MainWindowFixture::TearDown() {
    theApp.collection.modified = false;
    if (window_) ::DestroyWindow(window_);
    // The window's end posts the quit message, which would end the next test's dialogs.
    for (MSG message; ::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);) {
    }
    theApp.collection.clear();
    theApp.history.clear();
}

Link* MainWindowFixture::addLink(Folder* folder, const std::string& title, const std::string& url) {
    Link* link = theApp.collection.appendLink(folder).node()->asLink();
    theApp.collection.setTitle(link, title);
    theApp.collection.setUrl(link, url);
    return link;
}

void MainWindowFixture::refresh() { refreshAll(window_); }

void MainWindowFixture::runCommand(int id) { ::SendMessageW(window_, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

std::size_t MainWindowFixture::runCommand(int id, std::vector<DialogDriver::Step> steps) {
    return answered(std::move(steps), [&] { runCommand(id); });
}

void MainWindowFixture::select(const std::string& title) {
    HTREEITEM item = findItem(tree(), TreeView_GetRoot(tree()), title);
    ASSERT_NE(nullptr, item) << title;
    TreeView_SelectItem(tree(), item);
}

std::string MainWindowFixture::selectedTitle() const {
    HTREEITEM item = TreeView_GetSelection(tree());
    return item ? itemText(tree(), item) : "(none)";
}

std::string MainWindowFixture::controlText() const {
    std::string out = folderLabel(theApp.collection.title, theApp.collection.description) + "{";
    appendItems(tree(), TreeView_GetRoot(tree()), out);
    return out + "}";
}

void MainWindowFixture::renameTo(const std::string& text, std::function<void(HWND)> onMessage) {
    HWND edit = TreeView_EditLabel(tree(), TreeView_GetSelection(tree()));
    ASSERT_NE(nullptr, edit);
    EXPECT_FALSE(theApp.acceleratorsEnabled);
    ::SetWindowTextW(edit, wideText(text).c_str());
    std::vector<DialogDriver::Step> steps;
    if (onMessage) steps.push_back(onMessage);
    // Every window counts: a refused title must be told once, after the edit.
    EXPECT_EQ(steps.size(), answered(steps, [&] {
                  TreeView_EndEditLabelNow(tree(), FALSE);
                  for (MSG message; ::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);) ::DispatchMessageW(&message);
              }));
}

std::string MainWindowFixture::menuText(HMENU menu, UINT item, UINT flags) {
    wchar_t text[128] = L"";
    return narrowText(std::wstring_view(text, ::GetMenuStringW(menu, item, text, std::size(text), flags)));
}

std::vector<std::string> MainWindowFixture::popupItems(HMENU popup) {
    ::SendMessageW(window_, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), 0);
    std::vector<std::string> items;
    for (int i = 0; i < ::GetMenuItemCount(popup); ++i) {
        const UINT state = ::GetMenuState(popup, i, MF_BYPOSITION);
        items.push_back(std::to_string(::GetMenuItemID(popup, i)) + " " + menuText(popup, i, MF_BYPOSITION) +
                        (state & MF_GRAYED ? " grayed" : "") + (state & MF_CHECKED ? " checked" : ""));
    }
    return items;
}

std::string MainWindowFixture::popupEntry(HMENU popup, UINT id) {
    for (const std::string& item : popupItems(popup))
        if (item.rfind(std::to_string(id) + " ", 0) == 0) return item;
    return "(missing)";
}

HMENU MainWindowFixture::popupHolding(UINT id, HMENU menu) {
    if (!menu) menu = ::GetMenu(window_);
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
        if (::GetMenuItemID(menu, i) == id) return menu;
        if (HMENU popup = ::GetSubMenu(menu, i))
            if (HMENU holding = popupHolding(id, popup)) return holding;
    }
    return nullptr;
}

void MainWindowFixture::putOnClipboard(UINT format, const std::string& bytes) {
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    std::memcpy(::GlobalLock(block), bytes.data(), bytes.size());
    ::GlobalUnlock(block);
    if (!::SetClipboardData(format, block)) ::GlobalFree(block);
    ::CloseClipboard();
}

void MainWindowFixture::putTextOnClipboard(const std::string& text) {
    const std::wstring wide = wideText(text);
    putOnClipboard(CF_UNICODETEXT,
                   std::string(reinterpret_cast<const char*>(wide.c_str()), (wide.size() + 1) * sizeof(wchar_t)));
}

std::string MainWindowFixture::clipboardText() {
    if (!::OpenClipboard(nullptr)) return "(not opened)";
    std::string text;
    if (HGLOBAL block = ::GetClipboardData(CF_UNICODETEXT)) {
        text = narrowText(static_cast<const wchar_t*>(::GlobalLock(block)));
        ::GlobalUnlock(block);
    }
    ::CloseClipboard();
    return text;
}

void MainWindowFixture::emptyClipboard() {
    if (!::OpenClipboard(nullptr)) return;
    ::EmptyClipboard();
    ::CloseClipboard();
}
