#pragma once

#include <string_view>

// The order of the Sort command, without regard to case: negative when title
// `a` comes first, positive when `b` does, 0 when they are alike. On Windows
// as Explorer orders names for the user's language (numbers in a title by
// their value); natively by folded code points, a title before every longer
// one that begins with it.
int compareTitles(std::string_view a, std::string_view b);
