#include "browser_window_capture.h"

#include <exdisp.h>
#include <mshtml.h>
#include <ole2.h>
#include <oleauto.h>

#include "core/com_pointer_win.h"
#include "core/wide_text_win.h"

namespace {
// Frees a BSTR when it goes out of scope.
class Bstr {
public:
    Bstr() = default;
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    ~Bstr() { ::SysFreeString(text_); }
    BSTR* out() { return &text_; }
    BSTR get() const { return text_; }

private:
    BSTR text_ = nullptr;
};

// The whole zero-terminated text in UTF-8.
std::string utf8Text(BSTR text) { return text ? narrowText(text) : std::string(); }

// The title and address of the window at `index`; false when it shows no HTML page.
bool readWindow(IShellWindows* windows, long index, std::string& title, std::string& url) {
    VARIANT position;
    ::VariantInit(&position);
    position.vt = VT_I4;
    position.lVal = index;
    ComPointer<IDispatch> item;
    if (FAILED(windows->Item(position, item.out())) || !item) return false;
    ComPointer<IWebBrowser> browser;
    if (FAILED(item->QueryInterface(IID_IWebBrowser, browser.outVoid())) || !browser) return false;
    Bstr location;
    if (FAILED(browser->get_LocationURL(location.out())) || !location.get()) return false;
    ComPointer<IDispatch> document;
    if (FAILED(browser->get_Document(document.out())) || !document) return false;
    ComPointer<IHTMLDocument2> html;
    if (FAILED(document->QueryInterface(IID_IHTMLDocument2, html.outVoid())) || !html) return false;
    Bstr pageTitle;
    if (FAILED(html->get_title(pageTitle.out()))) return false;
    url = utf8Text(location.get());
    title = ::SysStringLen(pageTitle.get()) > 0 ? utf8Text(pageTitle.get()) : url;
    return true;
}
}  // namespace

BrowserWindowCapture::~BrowserWindowCapture() {
    if (windows_) windows_->Release();
}

bool BrowserWindowCapture::capture() {
    if (!windows_ && FAILED(::CoCreateInstance(CLSID_ShellWindows, nullptr, CLSCTX_ALL, IID_IShellWindows,
                                               reinterpret_cast<void**>(&windows_)))) {
        windows_ = nullptr;
        return false;
    }
    entries_.clear();
    long count = 0;
    if (FAILED(windows_->get_Count(&count)) || count <= 0) return false;
    entries_.reserve(static_cast<std::size_t>(count));
    for (long index = 0; index < count; ++index) {
        std::string title, url;
        if (readWindow(windows_, index, title, url)) entries_.emplace_back(std::move(title), std::move(url));
    }
    return !entries_.empty();
}
