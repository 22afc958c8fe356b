#include "main_loop.h"

#include <ole2.h>

#include "core/settings.h"
#include "exchange/clipboard_formats_win.h"
#include "ui/shell/browser_window_capture.h"
#include "export/url_export_error.h"
#include "ui/application.h"
#include "ui/window/command_line.h"
#include "ui/shell/document_type.h"
#include "ui/shell/language_modules.h"
#include "ui/window/main_window.h"
#include "ui/resource_ids.h"
#include "ui/window/search.h"

namespace {
// OLE for the life of the program; what uses it is destroyed first.
struct OleScope {
    HRESULT result = ::OleInitialize(nullptr);
    ~OleScope() {
        if (SUCCEEDED(result)) ::OleUninitialize();
    }
};

// Picks the module the settings name, else the default one.
void chooseLanguage(std::uint32_t langId) {
    LanguageModules& modules = languageModules();
    const int index = modules.findByLangId(langId);
    modules.select(index >= 0 ? index : modules.defaultIndex());
    UrlExport::setMessageModule(modules.module());
}

int messageLoop() {
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (theApp.acceleratorsEnabled && theApp.accelerators &&
            ::TranslateAcceleratorW(theApp.mainWindow, theApp.accelerators, &message))
            continue;
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
}  // namespace

void loadAccelerators() {
    // Tables loaded from a module are freed with it; nothing to destroy here.
    theApp.accelerators = ::LoadAcceleratorsW(languageModules().module(), MAKEINTRESOURCEW(IDA_MAIN));
}

int runProgram(HINSTANCE instance, const char* commandLine, int showState) {
    const OleScope ole;
    if (FAILED(ole.result)) return 0;
    clipboardFormats();
    BrowserWindowCapture capture;
    theApp.browserWindowCapture = &capture;

    settings.load();
    const std::uint32_t startLanguage = static_cast<std::uint32_t>(settings.Language);
    chooseLanguage(startLanguage);
    theApp.searchState.flags = static_cast<std::uint32_t>(settings.SearchFlags);

    if (!registerMainWindowClass(instance) || !(theApp.mainWindow = createMainWindow(instance))) {
        theApp.browserWindowCapture = nullptr;
        return 0;
    }
    registerDocumentType();
    if (const auto path = firstArgument(commandLine ? commandLine : "")) openCollection(theApp.mainWindow, *path);
    showMainWindow(theApp.mainWindow, showState);
    loadAccelerators();

    const int exitCode = messageLoop();

    settings.SearchFlags = static_cast<std::int32_t>(theApp.searchState.flags);
    settings.Language = languageModules().currentIndex() >= 0
                            ? languageModules().langIdAt(languageModules().currentIndex())
                            : 0;
    if (static_cast<std::uint32_t>(settings.Language) != startLanguage) registerDocumentType();
    settings.save();
    theApp.browserWindowCapture = nullptr;
    return exitCode;
}
