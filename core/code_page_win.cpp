#include "code_page.h"

#include <windows.h>

#include <climits>

#include "core/code_page_platform.h"
#include "core/unicode_text.h"

unsigned ansiCodePage() { return ::GetACP(); }
unsigned oemCodePage() { return ::GetOEMCP(); }

namespace {
// The code pages whose conversion takes no flags and cannot tell when it
// used its default character; not converted here.
bool withoutFlags(unsigned codePage) {
    return codePage == 42 || codePage == 52936 || codePage == 54936 || (codePage >= 50220 && codePage <= 50229) ||
           (codePage >= 57002 && codePage <= 57011) || codePage == 65000;
}

bool usable(unsigned codePage, std::size_t size) {
    return size <= INT_MAX / 2 && !withoutFlags(codePage) && ::IsValidCodePage(codePage);
}

// Converts UTF-16 to the code page without best fit; false when a
// character had no byte sequence of its own.
bool encode(unsigned codePage, const wchar_t* wide, int length, std::string& out) {
    BOOL usedDefault = FALSE;
    const int size = ::WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide, length, nullptr, 0, nullptr,
                                           &usedDefault);
    const std::size_t start = out.size();
    out.resize(start + static_cast<std::size_t>(size > 0 ? size : 0));
    if (size > 0)
        ::WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide, length, out.data() + start, size, nullptr,
                              nullptr);
    return size > 0 && !usedDefault;
}
}  // namespace

bool platformCodePageToUtf8(unsigned codePage, std::string_view text, std::string& out) {
    if (!usable(codePage, text.size())) return false;
    const int size = static_cast<int>(text.size());
    std::u16string wide(text.size(), u'\0');
    const int length = ::MultiByteToWideChar(codePage, 0, text.data(), size, reinterpret_cast<wchar_t*>(wide.data()),
                                             size);
    if (length <= 0 && size > 0) return false;
    wide.resize(static_cast<std::size_t>(length));
    out = utf16ToUtf8(wide);
    return true;
}

bool platformUtf8ToCodePage(unsigned codePage, std::string_view text, std::string& out,
                            const MissingCharacter& missing) {
    if (!usable(codePage, text.size())) return false;
    const std::u16string wide = utf8ToUtf16(text);
    const auto* units = reinterpret_cast<const wchar_t*>(wide.data());
    if (encode(codePage, units, static_cast<int>(wide.size()), out)) return true;
    // Some character is missing: go again one character at a time.
    out.clear();
    for (std::size_t i = 0; i < wide.size();) {
        const bool pair = wide[i] >= 0xD800 && wide[i] <= 0xDBFF && i + 1 < wide.size() && wide[i + 1] >= 0xDC00 &&
                          wide[i + 1] <= 0xDFFF;
        const int length = pair ? 2 : 1;
        const std::size_t before = out.size();
        if (!encode(codePage, units + i, length, out)) {
            out.resize(before);
            const char32_t codePoint =
                pair ? 0x10000 + ((wide[i] - 0xD800) << 10) + (wide[i + 1] - 0xDC00) : char32_t{wide[i]};
            missing(codePoint, out);
        }
        i += static_cast<std::size_t>(length);
    }
    return true;
}
