// linkhaven.exe for now: reads the settings, chooses the language module they
// name and shows the About box. The main window takes over this entry point.

#include <windows.h>
#include <commctrl.h>

#include "core/settings.h"
#include "ui/about_dialog.h"
#include "ui/language_modules.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);
    settings.load();

    LanguageModules& modules = languageModules();
    int chosen = modules.findByLangId(static_cast<std::uint32_t>(settings.Language));
    if (chosen < 0) chosen = modules.defaultIndex();
    modules.select(chosen);
    if (!modules.module()) return 0;

    showAbout(nullptr);
    return 0;
}
