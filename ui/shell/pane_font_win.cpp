#include "ui/shell/pane_font.h"

#include <commdlg.h>

#include <algorithm>
#include <cstring>

#include "core/settings.h"

namespace {
HFONT currentFont = nullptr;

struct FontOwner {
    ~FontOwner() {
        if (currentFont) ::DeleteObject(currentFont);
    }
} fontOwner;

int displayPixelsPerInch() {
    HDC context = ::CreateICA("DISPLAY", nullptr, nullptr, nullptr);
    const int pixels = ::GetDeviceCaps(context, LOGPIXELSY);
    ::DeleteDC(context);
    return pixels;
}
}  // namespace

LOGFONTA paneLogFont() {
    LOGFONTA font{};
    font.lfHeight = -mulDiv(settings.FontSize, displayPixelsPerInch(), 720);
    font.lfWeight = settings.FontWeight;
    font.lfItalic = settings.FontItalic != 0 ? 1 : 0;
    font.lfCharSet = static_cast<BYTE>(settings.FontScript & 0xFF);
    const std::size_t length = std::min<std::size_t>(settings.FontName.size(), LF_FACESIZE - 1);
    std::memcpy(font.lfFaceName, settings.FontName.data(), length);
    return font;
}

void applyFont(HWND mainWindow, bool redraw) {
    const LOGFONTA description = paneLogFont();
    HFONT previous = currentFont;
    currentFont = ::CreateFontIndirectA(&description);
    for (HWND child = ::GetWindow(mainWindow, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        ::SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(currentFont), redraw);
    if (previous) ::DeleteObject(previous);
}

namespace {
// The face the system really draws with for `font`: a face that is not
// installed is replaced by another one without a word.
void resolveFace(LOGFONTA& font) {
    HDC context = ::CreateICA("DISPLAY", nullptr, nullptr, nullptr);
    HFONT handle = ::CreateFontIndirectA(&font);
    HGDIOBJ previous = ::SelectObject(context, handle);
    char face[LF_FACESIZE] = {};
    if (::GetTextFaceA(context, LF_FACESIZE, face) > 0) std::memcpy(font.lfFaceName, face, LF_FACESIZE);
    ::SelectObject(context, previous);
    ::DeleteObject(handle);
    ::DeleteDC(context);
}

bool sameFont(const LOGFONTA& a, const LOGFONTA& b) {
    return std::strcmp(a.lfFaceName, b.lfFaceName) == 0 && a.lfWeight == b.lfWeight &&
           (a.lfItalic != 0) == (b.lfItalic != 0) && a.lfCharSet == b.lfCharSet;
}
}  // namespace

bool chooseFont(HWND owner) {
    // The dialog starts from the font the panes are drawn with, so that OK
    // without a change keeps the settings, even when their face is not
    // installed (the dialog would otherwise start on an arbitrary face and size).
    const LOGFONTA shown = [] {
        LOGFONTA font = paneLogFont();
        resolveFace(font);
        return font;
    }();
    // A cancelled dialog may still rewrite the LOGFONT it was given: it works
    // on a copy, and the settings change only on OK.
    LOGFONTA font = shown;
    CHOOSEFONTA request{};
    request.lStructSize = sizeof request;
    request.hwndOwner = owner;
    request.lpLogFont = &font;
    request.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_FORCEFONTEXIST;
    if (!::ChooseFontA(&request)) return false;
    if (sameFont(font, shown) && request.iPointSize == settings.FontSize) return true;
    settings.FontName = font.lfFaceName;
    settings.FontSize = request.iPointSize;
    settings.FontWeight = font.lfWeight;
    settings.FontItalic = font.lfItalic;
    settings.FontScript = font.lfCharSet;
    return true;
}
