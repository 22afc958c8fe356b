#pragma once

// Where the help pages lie: HTML files beside the program, one contents page
// per language (named by the language module) and one page per topic.

#include <string>

// The program's path with its file name replaced by `pageName`.
std::string helpContentsPath(const std::string& programPath, const std::string& pageName);

// The page of a topic: "-<topic>" before the contents page's extension
// ("linkhaven-en.html", 101 gives "linkhaven-en-101.html").
std::string helpTopicPath(const std::string& contentsPath, int topic);
