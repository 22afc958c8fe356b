#pragma once

// A readable text of a whole tree, so that tests compare trees with one
// EXPECT_EQ and a failure shows where they differ. One node a line:
//   F "title" "description"      a folder, its children indented below it
//   L "title" "description" "url"
// Bytes outside printable ASCII appear as \xHH.

#include <string>
#include <string_view>

class Folder;

std::string treeText(const Folder& root);

// A text in double quotes, as treeText() shows each field.
std::string quotedBytes(std::string_view text);
