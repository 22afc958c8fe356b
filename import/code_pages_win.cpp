#include "code_pages.h"

#include <windows.h>
#include <mlang.h>

#include <vector>

#include "core/com_pointer_win.h"

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

std::wstring ansiToWide(const std::string& text) {
    if (text.empty()) return {};
    int length = ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
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
    const std::wstring wideName = ansiToWide(name);
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

struct CodePageConversion::Platform {
    unsigned codePage = 0;
};

CodePageConversion::CodePageConversion(unsigned codePage) {
    if (!::IsValidCodePage(codePage)) return;
    platform_ = std::make_unique<Platform>();
    platform_->codePage = codePage;
}

CodePageConversion::~CodePageConversion() = default;

bool CodePageConversion::available() const { return platform_ != nullptr; }

bool CodePageConversion::convert(std::string& text) {
    if (!platform_) return false;
    if (text.empty()) return true;
    const int size = static_cast<int>(text.size());
    std::vector<wchar_t> wide(text.size());
    int length = ::MultiByteToWideChar(platform_->codePage, 0, text.data(), size, wide.data(), size);
    if (length <= 0) return false;
    // A character beyond the 16-bit range is one character: one '?', not two.
    int kept = 0;
    for (int i = 0; i < length; ++i) {
        wchar_t unit = wide[static_cast<std::size_t>(i)];
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < length && wide[static_cast<std::size_t>(i) + 1] >= 0xDC00 &&
            wide[static_cast<std::size_t>(i) + 1] <= 0xDFFF) {
            unit = L'?';
            ++i;
        }
        wide[static_cast<std::size_t>(kept++)] = unit;
    }
    std::string out(static_cast<std::size_t>(kept) * 2, '\0');
    int written = ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), kept, out.data(),
                                        static_cast<int>(out.size()), nullptr, nullptr);
    if (written <= 0) return false;
    out.resize(static_cast<std::size_t>(written));
    text.swap(out);
    return true;
}
