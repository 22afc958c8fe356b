#pragma once

#include <windows.h>

#include <optional>
#include <string>

// The About box: product name and version, and the legal notice, from the
// program's own version resource in the current language.
void showAbout(HWND owner);

struct AboutTexts {
    std::string product;    // "<ProductName> <version>"
    std::string copyright;  // empty when the resource has none
};

// The texts from the version resource of `file`, for a user interface in
// `language`; none when the file has no usable version resource.
std::optional<AboutTexts> readAboutTexts(const std::string& file, WORD language);
