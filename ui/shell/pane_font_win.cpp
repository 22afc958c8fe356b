#include "ui/shell/pane_font.h"

#include <commdlg.h>

#include <algorithm>
#include <cwchar>

#include "core/settings.h"
#include "core/wide_text_win.h"

namespace {
HFONT currentFont = nullptr;

struct FontOwner {
    ~FontOwner() {
        if (currentFont) ::DeleteObject(currentFont);
    }
} fontOwner;

int displayPixelsPerInch() {
    HDC context = ::CreateICW(L"DISPLAY", nullptr, nullptr, nullptr);
    const int pixels = ::GetDeviceCaps(context, LOGPIXELSY);
    ::DeleteDC(context);
    return pixels;
}
}  // namespace

LOGFONTW paneLogFont() {
    LOGFONTW font{};
    font.lfHeight = -mulDiv(settings.FontSize, displayPixelsPerInch(), 720);
    font.lfWeight = settings.FontWeight;
    font.lfItalic = settings.FontItalic != 0 ? 1 : 0;
    font.lfCharSet = static_cast<BYTE>(settings.FontScript & 0xFF);
    const std::wstring face = wideText(settings.FontName);
    const std::size_t length = std::min<std::size_t>(face.size(), LF_FACESIZE - 1);
    std::copy_n(face.begin(), length, font.lfFaceName);
    return font;
}

void applyFont(HWND mainWindow, bool redraw) {
    const LOGFONTW description = paneLogFont();
    HFONT previous = currentFont;
    currentFont = ::CreateFontIndirectW(&description);
    for (HWND child = ::GetWindow(mainWindow, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(currentFont), redraw);
    if (previous) ::DeleteObject(previous);
}

namespace {
// The face the system really draws with for `font`: a face that is not
// installed is replaced by another one without a word.
void resolveFace(LOGFONTW& font) {
    HDC context = ::CreateICW(L"DISPLAY", nullptr, nullptr, nullptr);
    HFONT handle = ::CreateFontIndirectW(&font);
    HGDIOBJ previous = ::SelectObject(context, handle);
    wchar_t face[LF_FACESIZE] = {};
    if (::GetTextFaceW(context, LF_FACESIZE, face) > 0) std::copy_n(face, LF_FACESIZE, font.lfFaceName);
    ::SelectObject(context, previous);
    ::DeleteObject(handle);
    ::DeleteDC(context);
}

bool sameFont(const LOGFONTW& a, const LOGFONTW& b) {
    return std::wcscmp(a.lfFaceName, b.lfFaceName) == 0 && a.lfWeight == b.lfWeight &&
           (a.lfItalic != 0) == (b.lfItalic != 0) && a.lfCharSet == b.lfCharSet;
}
}  // namespace

bool chooseFont(HWND owner) {
    // The dialog starts from the font the panes are drawn with, so that OK
    // without a change keeps the settings, even when their face is not
    // installed (the dialog would otherwise start on an arbitrary face and size).
    const LOGFONTW shown = [] {
        LOGFONTW font = paneLogFont();
        resolveFace(font);
        return font;
    }();
    // A cancelled dialog may still rewrite the LOGFONT it was given: it works
    // on a copy, and the settings change only on OK.
    LOGFONTW font = shown;
    CHOOSEFONTW request{};
    request.lStructSize = sizeof request;
    request.hwndOwner = owner;
    request.lpLogFont = &font;
    request.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_FORCEFONTEXIST;
    if (!::ChooseFontW(&request)) return false;
    if (sameFont(font, shown) && request.iPointSize == settings.FontSize) return true;
    settings.FontName = narrowText(font.lfFaceName);
    settings.FontSize = request.iPointSize;
    settings.FontWeight = font.lfWeight;
    settings.FontItalic = font.lfItalic;
    settings.FontScript = font.lfCharSet;
    return true;
}
