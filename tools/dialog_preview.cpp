// Shows one dialog with sample contents, for screenshots (scripts/screenshot).
// Usage: dialog_preview FOLDER LANGID link|folder|title|about|search|message|menuN
// (menuN: the main menu with its popup N dropped down)

#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "ui/dialogs/about_dialog.h"
#include "ui/dialogs/item_dialogs.h"
#include "ui/shell/language_modules.h"
#include "ui/resource_ids.h"
#include "ui/shell/ui_services.h"
#include "ui/window/search.h"

int main(int argc, char** argv) {
    if (argc < 4) return 2;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);
    languageModules() = LanguageModules(argv[1]);
    languageModules().select(languageModules().findByLangId(std::strtoul(argv[2], nullptr, 0)));

    const std::string which = argv[3];
    ItemFields fields{"Linkhaven project page", "Release notes, downloads and the\r\nquestions people ask most.",
                      "https://example.org/linkhaven/"};
    std::string title = "Bookmarks of the reading group";
    SearchState search;  // its boxes as they first come
    search.text = "example";
    if (which == "link") editLink(nullptr, fields);
    if (which == "folder") editFolder(nullptr, fields);
    if (which == "title") editCollectionTitle(nullptr, title);
    if (which == "about") showAbout(nullptr);
    if (which == "search") searchDialog(nullptr, search);
    if (which.rfind("menu", 0) == 0) {  // "menu2": the third popup of the main menu, dropped down
        HWND window = ::CreateWindowExW(0, L"STATIC", L"Linkhaven", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 640, 420,
                                        nullptr, ::LoadMenuW(languageModules().module(), MAKEINTRESOURCEW(IDM_MAIN)),
                                        nullptr, nullptr);
        HMENU popup = ::GetSubMenu(::GetMenu(window), std::atoi(which.c_str() + 4));
        ::TrackPopupMenu(popup, TPM_LEFTALIGN, 20, 60, 0, window, nullptr);
    }
    if (which == "message") showMessageId(nullptr, IDS_FIELD_REQUIRED, MB_OK | MB_ICONHAND);
    return 0;
}
