#pragma once

// Where the help pages lie: HTML files beside the program, one contents page
// per language (named by the language module) and one page per topic.

#include <string>

// The English contents page, shipped with every package: opened when the
// language module names no usable page.
inline constexpr const char* kDefaultHelpPage = "linkhaven-en.html";

// Whether a language module's page name may be opened beside the program: a
// plain file name ending in .htm or .html. A path ("..\\x.exe", "C:x",
// "\\\\server\\...") or another kind of file would let the module have the
// shell open, or run, any file.
bool isPlainHelpPageName(const std::string& name);

// The program's path with its file name replaced by `pageName`.
std::string helpContentsPath(const std::string& programPath, const std::string& pageName);

// The page of a topic: "-<topic>" before the contents page's extension
// ("linkhaven-en.html", 101 gives "linkhaven-en-101.html").
std::string helpTopicPath(const std::string& contentsPath, int topic);
