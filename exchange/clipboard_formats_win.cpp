#include "clipboard_formats_win.h"

namespace {
CLIPFORMAT registered(const wchar_t* name) { return static_cast<CLIPFORMAT>(::RegisterClipboardFormatW(name)); }

ClipboardFormats registerFormats() {
    ClipboardFormats formats{registered(L"Linkhaven UTF-8"),
                             registered(L"Linkhaven"),
                             registered(L"UniformResourceLocatorW"),
                             registered(L"UniformResourceLocator"),
                             registered(L"FileGroupDescriptorW"),
                             registered(L"FileGroupDescriptor"),
                             registered(L"FileContents"),
                             {}};
    // CF_LOCALE tells older programs the code page of CF_TEXT.
    formats.offered = {formats.own,     formats.ownAnsi, CF_UNICODETEXT,
                       CF_TEXT,         CF_LOCALE,       formats.urlWide,
                       formats.url,     formats.fileDescriptorWide, formats.fileDescriptor,
                       formats.fileContents};
    return formats;
}
}  // namespace

const ClipboardFormats& clipboardFormats() {
    static const ClipboardFormats formats = registerFormats();
    return formats;
}
