#include "main_window.h"

#include <algorithm>
#include <cstdint>

#include "core/settings.h"
#include "core/wide_text_win.h"
#include "ui/application.h"
#include "ui/tree/context_menu.h"
#include "ui/tree/description_pane.h"
#include "ui/tree/drag_drop.h"
#include "ui/shell/help.h"
#include "ui/shell/language_modules.h"
#include "ui/shell/pane_font.h"
#include "ui/window/pane_layout.h"
#include "ui/window/window_placement.h"
#include "ui/resource_ids.h"
#include "ui/tree/import_summary.h"
#include "ui/tree/tree_view.h"
#include "ui/window/tree_sync.h"
#include "ui/shell/ui_services.h"

const wchar_t kMainWindowClass[] = L"Linkhaven";

namespace {
constexpr UINT kControlSetFocus = 0x100;  // EN_SETFOCUS

// The client area shows only at the splitter strip between the panes.
void beginSplitterDrag(HWND window) {
    MainWindowState& state = theApp.mainWindowState;
    state.splitterLastY = -1;
    ::GetClientRect(window, &state.splitterClientRect);
    state.splitterPen.reset(::CreatePen(PS_SOLID, 2, RGB(255, 255, 255)));
    ::SetCapture(window);
    state.splitterDragging = true;
}

// Moves the XOR line to `y` (-1: only erase it).
void drawSplitterLine(HWND window, int y) {
    MainWindowState& state = theApp.mainWindowState;
    const RECT& rect = state.splitterClientRect;
    if (y >= 0) y = y < rect.top ? rect.top : y > rect.bottom ? rect.bottom : y;
    if (y == state.splitterLastY) return;
    const WindowDc windowDc(window);
    HDC dc = windowDc.get();
    const int oldMode = ::SetROP2(dc, R2_XORPEN);
    const SelectedObject pen(dc, state.splitterPen.get());
    if (state.splitterLastY >= 0) {
        ::MoveToEx(dc, rect.left, state.splitterLastY, nullptr);
        ::LineTo(dc, rect.right, state.splitterLastY);
    }
    state.splitterLastY = y;
    if (y >= 0) {
        ::MoveToEx(dc, rect.left, y, nullptr);
        ::LineTo(dc, rect.right, y);
    }
    ::SetROP2(dc, oldMode);
}

void endSplitterDrag(HWND window) {
    MainWindowState& state = theApp.mainWindowState;
    drawSplitterLine(window, -1);
    state.splitterDragging = false;
    ::ReleaseCapture();
    state.splitterPen.reset();
}

bool onCreate(HWND window, const CREATESTRUCTW* create) {
    RECT treeRect{0, 0, 0, 0}, descriptionRect{0, 0, 0, 0};
    if (create->cy != CW_USEDEFAULT && create->cy > 0) {
        const PaneLayout layout = computePaneLayout(create->cx, create->cy, settings.Descr,
                                                ::GetSystemMetrics(SM_CYFRAME));
        treeRect = {0, 0, layout.tree.width, layout.tree.height};
        descriptionRect = {0, layout.description.y, layout.description.width,
                           layout.description.y + layout.description.height};
    }
    HWND tree = createTreeView(window, treeRect);
    if (!tree || !createDescriptionPane(window, descriptionRect)) return false;
    applyFont(window, false);
    theApp.mainWindowState.focusedPane = tree;
    refreshAll(window);
    followCollection(tree);
    registerDropTarget(tree);
    return true;
}

void onSize(HWND window, WPARAM kind, int width, int height) {
    if (kind != SIZE_RESTORED && kind != SIZE_MAXIMIZED) return;
    layoutPanes(window, width, height);
    if (kind == SIZE_RESTORED) {
        RECT outer;
        ::GetWindowRect(window, &outer);
        settings.Width = outer.right - outer.left;
        settings.Height = outer.bottom - outer.top;
    }
}

// A maximised window's corner lies off the work area: only the normal place is kept.
void onMove(HWND window) {
    if (::IsIconic(window) || ::IsZoomed(window)) return;
    RECT outer;
    ::GetWindowRect(window, &outer);
    settings.Left = outer.left;
    settings.Top = outer.top;
}

// The normal place and size, and whether the window is maximised (or
// minimised from maximised), as the next start should bring it back. The
// normal rectangle is in workspace coordinates, which leave out a taskbar at
// the top or left of the monitor.
void rememberPlacement(HWND window) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (!::GetWindowPlacement(window, &placement)) return;
    RECT normal = placement.rcNormalPosition;
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (::GetMonitorInfoW(::MonitorFromRect(&normal, MONITOR_DEFAULTTONEAREST), &info))
        ::OffsetRect(&normal, info.rcWork.left - info.rcMonitor.left, info.rcWork.top - info.rcMonitor.top);
    settings.Left = normal.left;
    settings.Top = normal.top;
    settings.Width = normal.right - normal.left;
    settings.Height = normal.bottom - normal.top;
    settings.Maximized = placement.showCmd == SW_SHOWMAXIMIZED ||
                         (placement.showCmd == SW_SHOWMINIMIZED && (placement.flags & WPF_RESTORETOMAXIMIZED));
}

void onDestroy(HWND window) {
    rememberPlacement(window);
    stopFollowingCollection();
    shutdownDragDrop(treeOf(window));
    destroyTreeImages(treeOf(window));
    helpQuit(window);
    ::PostQuitMessage(0);
}

LRESULT onColour(HDC dc) {
    ::SetBkColor(dc, ::GetSysColor(COLOR_WINDOW));
    ::SetBkMode(dc, OPAQUE);
    return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_WINDOW));
}
}  // namespace

bool registerMainWindowClass(HINSTANCE instance) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = mainWindowProcedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = ::LoadIconW(instance, MAKEINTRESOURCEW(IDI_PROGRAM));
    windowClass.hCursor = ::LoadCursorW(nullptr, wideResource(IDC_SIZENS));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_ACTIVEBORDER + 1);
    windowClass.lpszClassName = kMainWindowClass;
    return ::RegisterClassW(&windowClass) != 0;
}

namespace {
// Brings the stored place onto the work area of the monitor nearest to it, so
// that the window opens where it can be seen and used.
void fitStoredPlacement() {
    const auto saturated = [](std::int64_t value) {
        return static_cast<LONG>(std::clamp<std::int64_t>(value, INT32_MIN, INT32_MAX));
    };
    const bool placed = settings.Left != Settings::kUseDefault && settings.Top != Settings::kUseDefault &&
                        settings.Width != Settings::kUseDefault && settings.Height != Settings::kUseDefault;
    const RECT stored{settings.Left, settings.Top, saturated(std::int64_t{settings.Left} + settings.Width),
                      saturated(std::int64_t{settings.Top} + settings.Height)};
    HMONITOR monitor = placed ? ::MonitorFromRect(&stored, MONITOR_DEFAULTTONEAREST)
                              : ::MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!::GetMonitorInfoW(monitor, &info)) return;
    const WindowBox box = fitWindowToWorkArea({settings.Left, settings.Top, settings.Width, settings.Height},
                                              {info.rcWork.left, info.rcWork.top, info.rcWork.right,
                                               info.rcWork.bottom});
    settings.Left = box.left;
    settings.Top = box.top;
    settings.Width = box.width;
    settings.Height = box.height;
}
}  // namespace

HWND createMainWindow(HINSTANCE instance) {
    fitStoredPlacement();
    HMENU menu = ::LoadMenuW(languageModules().module(), MAKEINTRESOURCEW(IDM_MAIN));
    HWND window = ::CreateWindowExW(0, kMainWindowClass, wideText(loadText(IDS_APP_TITLE)).c_str(),
                                    WS_OVERLAPPEDWINDOW, settings.Left, settings.Top, settings.Width,
                                    settings.Height, nullptr, menu, instance, nullptr);
    if (!window && menu) ::DestroyMenu(menu);
    return window;
}

void showMainWindow(HWND mainWindow, int showState) {
    ::ShowWindow(mainWindow, showState);
    // The first ShowWindow may take the state the starting program asked for
    // instead; a second one is always done as asked.
    const bool plain = showState == SW_SHOWNORMAL || showState == SW_SHOW || showState == SW_SHOWDEFAULT;
    if (settings.Maximized && plain && !::IsIconic(mainWindow)) ::ShowWindow(mainWindow, SW_SHOWMAXIMIZED);
}

HWND treeOf(HWND mainWindow) { return childById(mainWindow, IDC_TREE); }
HWND descriptionPaneOf(HWND mainWindow) { return childById(mainWindow, IDC_DESCRIPTION_PANE); }

void layoutPanes(HWND mainWindow, int clientWidth, int clientHeight) {
    const PaneLayout layout = computePaneLayout(clientWidth, clientHeight, settings.Descr, ::GetSystemMetrics(SM_CYFRAME));
    settings.Descr = layout.descriptionHeight;
    ::MoveWindow(treeOf(mainWindow), layout.tree.x, layout.tree.y, layout.tree.width, layout.tree.height, TRUE);
    ::MoveWindow(descriptionPaneOf(mainWindow), layout.description.x, layout.description.y,
                 layout.description.width, layout.description.height, TRUE);
}

LRESULT CALLBACK mainWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    MainWindowState& state = theApp.mainWindowState;
    switch (message) {
    case WM_CREATE:
        return onCreate(window, reinterpret_cast<CREATESTRUCTW*>(lParam)) ? 0 : -1;
    case WM_SIZE:
        onSize(window, wParam, LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_MOVE:
        onMove(window);
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam) && state.focusedPane) ::SetFocus(state.focusedPane);
        return 0;
    case WM_CLOSE:
        if (querySave(window)) ::DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        onDestroy(window);
        return 0;
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        return header->idFrom == IDC_TREE ? handleTreeNotification(window, header) : 0;
    }
    case WM_CONTEXTMENU:
        if (reinterpret_cast<HWND>(wParam) != treeOf(window)) return ::DefWindowProcW(window, message, wParam, lParam);
        showContextMenu(treeOf(window), false);
        return 0;
    case WM_HELP:  // F1, which no accelerator takes so that the page opens once
        helpContents(window);
        return TRUE;
    case WM_COMMAND:
        if (lParam != 0) {  // from a control
            if (HIWORD(wParam) == kControlSetFocus) state.focusedPane = reinterpret_cast<HWND>(lParam);
            return 0;
        }
        runCommand(window, LOWORD(wParam));
        return 0;
    case kImportSummaryMessage:
        showPostedImportSummary(window);
        return 0;
    case kTitleRequiredMessage: {
        // A refusal posted twice for one edit is told once.
        MSG repeated;
        while (::PeekMessageW(&repeated, window, kTitleRequiredMessage, kTitleRequiredMessage, PM_REMOVE)) {
        }
        showMessageId(window, IDS_FIELD_REQUIRED, MB_OK | MB_ICONHAND);
        return 0;
    }
    case WM_INITMENUPOPUP:
        if (!HIWORD(lParam)) updatePopupMenu(window, reinterpret_cast<HMENU>(wParam));
        return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
        return onColour(reinterpret_cast<HDC>(wParam));
    case WM_LBUTTONDOWN:
        beginSplitterDrag(window);
        return 0;
    case WM_MOUSEMOVE:
        if (state.splitterDragging) drawSplitterLine(window, static_cast<short>(HIWORD(lParam)));
        return 0;
    case WM_LBUTTONUP:
        if (state.splitterDragging) {
            const RECT rect = state.splitterClientRect;
            settings.Descr = rect.bottom - state.splitterLastY;
            endSplitterDrag(window);
            layoutPanes(window, rect.right - rect.left, rect.bottom - rect.top);
        }
        return 0;
    case WM_CANCELMODE:
        if (state.splitterDragging) endSplitterDrag(window);
        return ::DefWindowProcW(window, message, wParam, lParam);
    default:
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
}
