#include "title_order.h"

#include <windows.h>
#include <shlwapi.h>

#include "core/wide_text_win.h"

namespace {
constexpr DWORD kExplorerOrder = NORM_IGNORECASE | SORT_DIGITSASNUMBERS;

// Older systems and Wine may refuse SORT_DIGITSASNUMBERS; then the shell's
// own comparison of file names gives Explorer's order.
bool systemTakesDigitsAsNumbers() {
    static const bool takes =
        ::CompareStringEx(LOCALE_NAME_USER_DEFAULT, kExplorerOrder, L"a", 1, L"b", 1, nullptr, nullptr, 0) != 0;
    return takes;
}
}  // namespace

int compareTitles(std::string_view a, std::string_view b) {
    const std::wstring left = wideText(a), right = wideText(b);
    if (systemTakesDigitsAsNumbers()) {
        const int order = ::CompareStringEx(LOCALE_NAME_USER_DEFAULT, kExplorerOrder, left.c_str(),
                                            static_cast<int>(left.size()), right.c_str(),
                                            static_cast<int>(right.size()), nullptr, nullptr, 0);
        if (order != 0) return order - CSTR_EQUAL;
    }
    const int order = ::StrCmpLogicalW(left.c_str(), right.c_str());
    return order < 0 ? -1 : order > 0 ? 1 : 0;
}
