#pragma once

// A whole tree as one line, so that tests build trees and compare them with
// one EXPECT_EQ, and a failure shows where they differ:
//   Home{b <http://b/>, F "about F"{inner <http://inner/>}, a <http://a/>}
// A folder is its title and its children in braces, a link its title and
// its address in angle brackets; a description, when there is one, follows
// the title in quotes. The root shows as a folder. Control characters, and
// the notation's own characters \ " , < > { }, appear as \xHH; other bytes,
// UTF-8 or not, as they are.

#include <string>
#include <string_view>

class Collection;
class Folder;

std::string treeText(const Folder& root);

// The parts treeText() shows of one node: a folder's label (title and
// description) before its braces, and a link's label and address.
std::string folderLabel(std::string_view title, std::string_view description);
std::string linkText(std::string_view title, std::string_view description, std::string_view url);

// Makes `collection` the tree that treeText() shows as `text`.
void buildTree(Collection& collection, std::string_view text);
