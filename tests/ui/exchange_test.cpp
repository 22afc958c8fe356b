// Cut, copy, paste, dragging and dropping in the real main window with the
// English module. The drags are made with the real pointer, moved by another
// thread while this one runs the window, as a user's hand would.

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include <atomic>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>

#include "core/com_pointer_win.h"
#include "main_window_fixture.h"
#include "tree_text.h"
#include "ui/application.h"
#include "ui/tree/drag_drop.h"
#include "ui/resource_ids.h"
#include "ui/window/main_loop.h"

namespace {
// The hand works through xdotool, so that the pointer and the keys change
// on the X server, where Wine takes them from, as a user's would.
const char kXdotool[] = "Z:\\usr\\bin\\xdotool";

void xdotool(const std::string& arguments) {
    std::string command = "xdotool " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessA(kXdotool, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return;
    ::WaitForSingleObject(process.hProcess, 5000);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
}

// Moves the pointer and waits until the program sees it there (on a busy
// machine Wine may take a while to read the X server's events).
void moveTo(POINT at) {
    xdotool("mousemove " + std::to_string(at.x) + " " + std::to_string(at.y));
    POINT seen{};
    for (int wait = 0; wait < 200 && ::GetCursorPos(&seen) && (seen.x != at.x || seen.y != at.y); ++wait) ::Sleep(10);
}

// Runs the hand on another thread and this thread's messages meanwhile, the
// keys through the program's accelerators as its message loop takes them.
void withHand(const std::function<void()>& hand) {
    std::atomic<bool> done{false};
    std::thread thread([&] {
        hand();
        done = true;
    });
    MSG message;
    for (int idle = 0; idle < 30;) {
        if (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (::TranslateAcceleratorW(theApp.mainWindow, theApp.accelerators, &message)) continue;
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        } else {
            ::Sleep(10);
            if (done) ++idle;
        }
    }
    thread.join();
}

// Drags from `from` to `to` in ten steps, holding `key` (an xdotool key name) when given.
void dragOnScreen(POINT from, POINT to, const std::string& key = {}) {
    withHand([=] {
        moveTo(from);
        xdotool("mousedown 1");
        ::Sleep(150);
        if (!key.empty()) xdotool("keydown " + key);
        for (int step = 1; step <= 10; ++step) {
            moveTo({from.x + (to.x - from.x) * step / 10, from.y + (to.y - from.y) * step / 10});
            ::Sleep(100);
        }
        ::Sleep(200);
        xdotool("mouseup 1");
        ::Sleep(100);
        if (!key.empty()) xdotool("keyup " + key);
    });
}

const std::string kA = "A{a1 <http://a1/>, A2{deep <http://deep/>}}";

class Exchange : public MainWindowFixture {
protected:
    // All folders open.
    void SetUp() override {
        MainWindowFixture::SetUp();
        if (::GetFileAttributesA(kXdotool) == INVALID_FILE_ATTRIBUTES) GTEST_SKIP() << "needs Wine and xdotool";
        buildTree(theApp.collection, "{" + kA + ", B{}, L <http://l/>}");
        refresh();
        for (const char* folder : {"A", "A2"}) TreeView_Expand(tree(), itemOfTitle(folder), TVE_EXPAND);
        ::SetForegroundWindow(mainWindow());
        ::SetFocus(tree());
        theApp.mainWindow = mainWindow();
        loadAccelerators();
    }

    HTREEITEM itemOfTitle(const std::string& title) {
        select(title);
        return TreeView_GetSelection(tree());
    }

    // The middle of an item's label on the screen.
    POINT screenPointOf(const std::string& title) {
        HTREEITEM item = itemOfTitle(title);
        RECT rect;
        TreeView_GetItemRect(tree(), item, &rect, TRUE);
        POINT point{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
        ::ClientToScreen(tree(), &point);
        return point;
    }

    // What the drop target answers to data entering over the point.
    int effectOver(IDataObject* data, POINT point, DWORD keys) {
        DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;
        EXPECT_EQ(S_OK, treeDropTarget()->DragEnter(data, keys, {point.x, point.y}, &effect));
        treeDropTarget()->DragLeave();
        return static_cast<int>(effect);
    }

    int dropAt(IDataObject* data, POINT point, DWORD keys) {
        DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
        EXPECT_EQ(S_OK, treeDropTarget()->DragEnter(data, keys | MK_LBUTTON, {point.x, point.y}, &effect));
        effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
        EXPECT_EQ(S_OK, treeDropTarget()->Drop(data, keys, {point.x, point.y}, &effect));
        return static_cast<int>(effect);
    }

    bool pasteEnabled() {
        return popupEntry(popupHolding(IDM_PASTE), IDM_PASTE).find(" grayed") == std::string::npos;
    }
};
}  // namespace

TEST_F(Exchange, PasteIsOfferedForWhatTheTreeTakesCutMovesCopyLeaves) {
    emptyClipboard();
    EXPECT_FALSE(pasteEnabled());
    putTextOnClipboard("hello world, not a link");  // would be a junk link
    EXPECT_FALSE(pasteEnabled());
    putTextOnClipboard("http://from-text/");
    EXPECT_TRUE(pasteEnabled());
    ::SetFocus(descriptionPane());
    EXPECT_FALSE(pasteEnabled());
    runCommand(IDM_PASTE);  // not for the description pane
    EXPECT_EQ("{" + kA + ", B{}, L <http://l/>}", controlText());
    ::SetFocus(tree());

    select("a1");
    runCommand(IDM_CUT);
    select("B");
    runCommand(IDM_PASTE);
    EXPECT_EQ("a1", selectedTitle());
    select("A2");
    runCommand(IDM_COPY);
    select("L");
    runCommand(IDM_PASTE);  // a link target: before it
    EXPECT_EQ("{A{A2{deep <http://deep/>}}, B{a1 <http://a1/>}, A2{deep <http://deep/>}, L <http://l/>}",
              controlText());
    EXPECT_EQ(treeText(theApp.collection), controlText());
}

TEST_F(Exchange, DropTargetCopiesWhatOtherProgramsOffer) {
    const POINT overB = screenPointOf("B");
    putTextOnClipboard("Text page\r\nhttp://text/");
    ComPointer<IDataObject> foreign;
    ASSERT_EQ(S_OK, ::OleGetClipboard(foreign.out()));
    EXPECT_EQ(DROPEFFECT_COPY | DROPEFFECT_LINK, effectOver(foreign.get(), overB, MK_LBUTTON));
    // Into the folder under the pointer; with Alt after it.
    EXPECT_EQ(DROPEFFECT_COPY, dropAt(foreign.get(), overB, 0));
    EXPECT_EQ(DROPEFFECT_COPY, dropAt(foreign.get(), screenPointOf("B"), MK_ALT));
    EXPECT_EQ("{" + kA + ", B{Text page <http://text/>}, Text page <http://text/>, L <http://l/>}", controlText());

    emptyClipboard();
    ComPointer<IDataObject> nothing;
    ASSERT_EQ(S_OK, ::OleGetClipboard(nothing.out()));
    EXPECT_EQ(DROPEFFECT_NONE, effectOver(nothing.get(), overB, MK_LBUTTON));
}

TEST_F(Exchange, DraggingMovesOrCopiesWithCtrlNeverAFolderIntoItself) {
    const std::string before = controlText();
    const POINT overA = screenPointOf("A");
    dragOnScreen(overA, screenPointOf("deep"));
    dragOnScreen(overA, screenPointOf("A2"));
    dragOnScreen(overA, {overA.x, overA.y + 6});
    EXPECT_EQ(before, controlText());

    dragOnScreen(screenPointOf("L"), screenPointOf("B"));
    dragOnScreen(screenPointOf("a1"), screenPointOf("B"), "ctrl");
    EXPECT_EQ("{" + kA + ", B{L <http://l/>, a1 <http://a1/>}}", controlText());
    EXPECT_EQ(treeText(theApp.collection), controlText());
    // The move is one step, the copy another.
    runCommand(IDM_UNDO);
    runCommand(IDM_UNDO);
    EXPECT_EQ("{" + kA + ", B{}, L <http://l/>}", controlText());
    EXPECT_EQ("L", selectedTitle());
    // A copy may go inside: the data was taken before the drop.
    dragOnScreen(screenPointOf("A2"), screenPointOf("deep"), "ctrl");
    EXPECT_EQ("{A{a1 <http://a1/>, A2{A2{deep <http://deep/>}, deep <http://deep/>}}, B{}, L <http://l/>}",
              controlText());
}

TEST_F(Exchange, DragNearAnEdgeScrolls) {
    for (int i = 0; i < 100; ++i) addLink(&theApp.collection, "filler " + std::to_string(i), "http://filler/");
    refresh();
    TreeView_EnsureVisible(tree(), itemOfTitle("filler 99"));
    TreeView_EnsureVisible(tree(), itemOfTitle("filler 50"));
    const POINT from = screenPointOf("filler 50");
    RECT client;
    ::GetClientRect(tree(), &client);
    const LONG x = client.right / 2;
    POINT top{x, 4}, middle{x, client.bottom / 2}, bottom{x, client.bottom - 4};
    for (POINT* point : {&top, &middle, &bottom}) ::ClientToScreen(tree(), point);

    // Each zone is watched until the tree has scrolled a few lines, or for
    // three seconds, so that a slow machine does not fail the test.
    HWND control = tree();
    const auto scrolledFrom = [control](int origin, int lines) {
        for (int wait = 0; wait < 300 && std::abs(::GetScrollPos(control, SB_VERT) - origin) < lines; ++wait)
            ::Sleep(10);
        return ::GetScrollPos(control, SB_VERT);
    };
    int start = 0, upper = 0, resting = 0, rested = 0, lower = 0;
    withHand([&] {
        moveTo(from);
        xdotool("mousedown 1");
        ::Sleep(150);
        moveTo({from.x, from.y + 5});
        ::Sleep(100);
        moveTo({from.x, from.y + 10});
        ::Sleep(200);
        start = ::GetScrollPos(control, SB_VERT);
        moveTo(top);
        upper = scrolledFrom(start, 4);
        moveTo(middle);
        ::Sleep(300);
        resting = ::GetScrollPos(control, SB_VERT);
        ::Sleep(300);
        rested = ::GetScrollPos(control, SB_VERT);
        moveTo(bottom);
        lower = scrolledFrom(rested, 4);
        xdotool("key Escape");
        ::Sleep(100);
        xdotool("mouseup 1");
    });
    EXPECT_LE(upper, start - 4);
    EXPECT_EQ(resting, rested);
    EXPECT_GE(lower, rested + 4);
    EXPECT_EQ(106u, TreeView_GetCount(tree()));  // cancelled: nothing moved
}

TEST_F(Exchange, ContextMenuOpensAtTheClickOrAtTheSelection) {
    // A click on B, whose menu copies it ("&Copy"); the keys, with the pointer away, at the selected L.
    for (const auto& [title, action] : {std::pair("B", "click 3"), std::pair("L", "key Menu"),
                                        std::pair("L", "key shift+F10")}) {
        const POINT at = screenPointOf(title);
        const bool click = title == std::string("B");
        RECT shown{};
        withHand([&] {
            moveTo(click ? at : POINT{5, 5});
            xdotool(action);
            // Where the menu shows, once it does.
            HWND menu = nullptr;
            for (int wait = 0; wait < 300 && !(menu && ::IsWindowVisible(menu)); ++wait) {
                ::Sleep(10);
                menu = ::FindWindowW(L"#32768", nullptr);
            }
            if (menu && ::IsWindowVisible(menu)) ::GetWindowRect(menu, &shown);
            xdotool(click ? "key c" : "key Escape");
        });
        EXPECT_EQ(at.x, shown.left) << action;
        EXPECT_EQ(at.y, shown.top) << action;
        EXPECT_EQ(title, selectedTitle()) << action;
    }
    EXPECT_EQ("B", clipboardText());
}
