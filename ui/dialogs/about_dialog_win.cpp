#include "ui/dialogs/about_dialog.h"

#include <cstring>
#include <vector>

#include "ui/shell/language_modules.h"
#include "ui/shell/system_library.h"
#include "ui/resource_ids.h"
#include "ui/shell/ui_services.h"
#include "ui/dialogs/version_text.h"

namespace {
// version.dll is no KnownDLL: see system_library.h.
DWORD fileVersionInfoSize(const char* file) {
    static const auto function =
        systemFunction<decltype(::GetFileVersionInfoSizeA)>(L"version.dll", "GetFileVersionInfoSizeA");
    DWORD handle = 0;
    return function ? function(file, &handle) : 0;
}

bool fileVersionInfo(const char* file, DWORD size, void* resource) {
    static const auto function =
        systemFunction<decltype(::GetFileVersionInfoA)>(L"version.dll", "GetFileVersionInfoA");
    return function && function(file, 0, size, resource);
}

bool queryVersionValue(const void* resource, const char* path, void** value, UINT* length) {
    static const auto function = systemFunction<decltype(::VerQueryValueA)>(L"version.dll", "VerQueryValueA");
    return function && function(resource, path, value, length);
}

std::string versionString(const std::vector<char>& resource, const std::string& block, const char* name) {
    const std::string path = "\\StringFileInfo\\" + block + "\\" + name;
    char* text = nullptr;
    UINT length = 0;
    if (!queryVersionValue(resource.data(), path.c_str(), reinterpret_cast<void**>(&text), &length) || !text)
        return {};
    return std::string(text, ::strnlen(text, length));
}

WORD currentLanguage() {
    const LanguageModules& modules = languageModules();
    return modules.currentIndex() >= 0 ? modules.langIdAt(modules.currentIndex()) : 0;
}

INT_PTR CALLBACK aboutProc(HWND dialog, UINT message, WPARAM, LPARAM) {
    switch (message) {
    case WM_INITDIALOG: {
        HICON icon = ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_PROGRAM));
        if (icon) ::SendDlgItemMessageA(dialog, IDC_ABOUT_ICON, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
        if (auto texts = readAboutTexts(programPath(), currentLanguage())) {
            ::SetDlgItemTextA(dialog, IDC_ABOUT_PRODUCT, texts->product.c_str());
            if (!texts->copyright.empty()) ::SetDlgItemTextA(dialog, IDC_ABOUT_COPYRIGHT, texts->copyright.c_str());
        }
        return TRUE;
    }
    case WM_COMMAND:
        ::EndDialog(dialog, IDOK);
        return TRUE;
    }
    return FALSE;
}
}  // namespace

std::optional<AboutTexts> readAboutTexts(const std::string& file, WORD language) {
    const DWORD size = fileVersionInfoSize(file.c_str());
    if (size == 0) return std::nullopt;
    std::vector<char> resource(size);
    if (!fileVersionInfo(file.c_str(), size, resource.data())) return std::nullopt;

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT fixedLength = 0;
    if (!queryVersionValue(resource.data(), "\\", reinterpret_cast<void**>(&fixed), &fixedLength) || !fixed ||
        fixedLength < sizeof *fixed)
        return std::nullopt;

    VersionTranslation* pairs = nullptr;
    UINT pairsLength = 0;
    std::vector<VersionTranslation> translations;
    if (queryVersionValue(resource.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&pairs),
                         &pairsLength) && pairs)
        translations.assign(pairs, pairs + pairsLength / sizeof(VersionTranslation));
    const int chosen = chooseTranslation(translations, language);
    if (chosen < 0) return std::nullopt;
    const std::string block = translationBlockName(translations[chosen]);

    const std::string version = productVersionText(fixed->dwProductVersionMS, fixed->dwProductVersionLS);
    const std::string product = versionString(resource, block, "ProductName");
    if (version.empty() || product.empty()) return std::nullopt;
    return AboutTexts{product + " " + version, versionString(resource, block, "LegalCopyright")};
}

void showAbout(HWND owner) {
    ::DialogBoxParamA(languageModules().module(), MAKEINTRESOURCEA(IDD_ABOUT), owner, aboutProc, 0);
}
