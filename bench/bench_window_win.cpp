#include "bench_window_win.h"

#include <commctrl.h>
#include <ole2.h>

#include "core/settings.h"
#include "ui/shell/language_modules.h"
#include "ui/window/main_window.h"

HWND createBenchWindow() {
    ::OleInitialize(nullptr);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TREEVIEW_CLASSES};
    ::InitCommonControlsEx(&controls);
    languageModules() = LanguageModules(LINKHAVEN_PROGRAM_DIR);
    settings.Left = settings.Top = 0;
    settings.Width = 800;
    settings.Height = 600;
    HINSTANCE instance = ::GetModuleHandleA(nullptr);
    if (!registerMainWindowClass(instance)) return nullptr;
    HWND window = createMainWindow(instance);
    if (window) ::ShowWindow(window, SW_SHOW);
    return window;
}
