#pragma once

// Text in a code page, for the formats defined in one (collection files of
// version 1, ANSI and OEM export templates, CF_TEXT, the old own clipboard
// format, bookmark files in a legacy charset). On Windows the system's
// conversion without best fit; natively code page 1252 built in and iconv
// for the others.

#include <functional>
#include <string>
#include <string_view>

// The ANSI and OEM code pages: the system's on Windows, 1252 and 437 natively.
unsigned ansiCodePage();
unsigned oemCodePage();

inline constexpr unsigned kUtf8CodePage = 65001;

// Converts `text` in `codePage` to UTF-8 into `out`. A byte sequence the
// code page does not define becomes U+FFFD. False (out unchanged) when the
// code page cannot be converted here.
bool codePageToUtf8(unsigned codePage, std::string_view text, std::string& out);

// Writes what stands for a character the code page lacks.
using MissingCharacter = std::function<void(char32_t codePoint, std::string& out)>;

// Converts UTF-8 `text` to `codePage` into `out`. Each character the code
// page lacks is written by `missing` (one '?' when none is given), never as
// a look-alike. `lossless`, when given, tells whether every character was
// held. False (out unchanged) when the code page cannot be converted here.
bool utf8ToCodePage(unsigned codePage, std::string_view text, std::string& out, bool* lossless = nullptr,
                    const MissingCharacter& missing = {});
