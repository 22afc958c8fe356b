#include "code_page_list.h"

#include <windows.h>
#include <mlang.h>

#include "core/com_pointer_win.h"
#include "core/wide_text_win.h"

namespace {
// The class and interface of MLang's multi-language object, spelled out
// because the mingw import libraries lack them.
const CLSID kMultiLanguageClass = {0x275C23E2, 0x3747, 0x11D0, {0x9F, 0xEA, 0x00, 0xAA, 0x00, 0x3F, 0x86, 0x46}};
const IID kMultiLanguageInterface = {0x275C23E1, 0x3747, 0x11D0, {0x9F, 0xEA, 0x00, 0xAA, 0x00, 0x3F, 0x86, 0x46}};

wchar_t lowerAscii(wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c; }

bool equalsIgnoringAsciiCase(const std::wstring& a, const wchar_t* b) {
    std::size_t i = 0;
    for (; i < a.size(); ++i)
        if (b[i] == 0 || lowerAscii(a[i]) != lowerAscii(b[i])) return false;
    return b[i] == 0;
}
}  // namespace

class ComScope {
public:
    ComScope() : result_(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;
    // S_FALSE ("already initialised") is a success and needs its
    // CoUninitialize too; RPC_E_CHANGED_MODE (another model) does not.
    ~ComScope() {
        if (SUCCEEDED(result_)) ::CoUninitialize();
    }

private:
    HRESULT result_;
};

// Members go in reverse order: the objects are released before COM ends.
struct CodePageList::Platform {
    ComScope com;
    ComPointer<IMultiLanguage> multiLanguage;
    ComPointer<IEnumCodePage> codePages;
};

CodePageList::CodePageList() : platform_(std::make_unique<Platform>()) {
    if (FAILED(::CoCreateInstance(kMultiLanguageClass, nullptr, CLSCTX_INPROC_SERVER, kMultiLanguageInterface,
                                  reinterpret_cast<void**>(platform_->multiLanguage.out()))))
        return;
    platform_->multiLanguage->EnumCodePages(MIMECONTF_BROWSER | MIMECONTF_VALID, platform_->codePages.out());
}

CodePageList::~CodePageList() = default;

bool CodePageList::available() const { return platform_->codePages.get() != nullptr; }

unsigned CodePageList::find(const std::string& name) {
    IEnumCodePage* codePages = platform_->codePages.get();
    if (!codePages) return 0;
    const std::wstring wideName = wideText(name);
    unsigned found = 0;
    MIMECPINFO info;
    ULONG fetched = 0;
    while (codePages->Next(1, &info, &fetched) == S_OK && fetched == 1) {
        if (equalsIgnoringAsciiCase(wideName, info.wszWebCharset)) {
            found = info.uiCodePage;
            break;
        }
    }
    codePages->Reset();
    return found;
}
