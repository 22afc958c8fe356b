#include "ui/dialogs/about_dialog.h"

#include <cwchar>
#include <vector>

#include "core/wide_text_win.h"
#include "ui/shell/language_modules.h"
#include "ui/shell/system_library.h"
#include "ui/resource_ids.h"
#include "ui/shell/ui_services.h"
#include "ui/dialogs/version_text.h"

namespace {
// version.dll is no KnownDLL: see system_library.h.
DWORD fileVersionInfoSize(const wchar_t* file) {
    static const auto function =
        systemFunction<decltype(::GetFileVersionInfoSizeW)>(L"version.dll", "GetFileVersionInfoSizeW");
    DWORD handle = 0;
    return function ? function(file, &handle) : 0;
}

bool fileVersionInfo(const wchar_t* file, DWORD size, void* resource) {
    static const auto function =
        systemFunction<decltype(::GetFileVersionInfoW)>(L"version.dll", "GetFileVersionInfoW");
    return function && function(file, 0, size, resource);
}

bool queryVersionValue(const void* resource, const std::string& path, void** value, UINT* length) {
    static const auto function = systemFunction<decltype(::VerQueryValueW)>(L"version.dll", "VerQueryValueW");
    return function && function(resource, wideText(path).c_str(), value, length);
}

std::string versionString(const std::vector<char>& resource, const std::string& block, const char* name) {
    const std::string path = "\\StringFileInfo\\" + block + "\\" + name;
    wchar_t* text = nullptr;
    UINT length = 0;  // in characters
    if (!queryVersionValue(resource.data(), path, reinterpret_cast<void**>(&text), &length) || !text)
        return {};
    return narrowText(std::wstring_view(text, ::wcsnlen(text, length)));
}

WORD currentLanguage() {
    const LanguageModules& modules = languageModules();
    return modules.currentIndex() >= 0 ? modules.langIdAt(modules.currentIndex()) : 0;
}

INT_PTR CALLBACK aboutProc(HWND dialog, UINT message, WPARAM, LPARAM) {
    switch (message) {
    case WM_INITDIALOG: {
        HICON icon = ::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_PROGRAM));
        if (icon) ::SendDlgItemMessageW(dialog, IDC_ABOUT_ICON, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
        if (auto texts = readAboutTexts(programPath(), currentLanguage())) {
            ::SetDlgItemTextW(dialog, IDC_ABOUT_PRODUCT, wideText(texts->product).c_str());
            if (!texts->copyright.empty())
                ::SetDlgItemTextW(dialog, IDC_ABOUT_COPYRIGHT, wideText(texts->copyright).c_str());
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
    const std::wstring path = wideText(file);
    const DWORD size = fileVersionInfoSize(path.c_str());
    if (size == 0) return std::nullopt;
    std::vector<char> resource(size);
    if (!fileVersionInfo(path.c_str(), size, resource.data())) return std::nullopt;

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
    ::DialogBoxParamW(languageModules().module(), MAKEINTRESOURCEW(IDD_ABOUT), owner, aboutProc, 0);
}
