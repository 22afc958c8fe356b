#pragma once

#include <cstdio>
#include <string>
#include <vector>

// linkhaven-cli import OUTPUT.lhv PATH...: imports the paths as one dropped
// file list (folders, .url, .htm/.html, .adr, Chromium's Bookmarks) into a
// new collection, the items at its top level in the order the sources give
// them, and saves it. After the summary, what was skipped, when anything was.
// Exit status 0 on success, 1 when saving fails, 2 on bad usage.
int runImportCommand(const std::vector<std::string>& arguments, std::FILE* out, std::FILE* err);
