#pragma once

#include <string>

class BookmarkNode;

// What the description pane shows for a node: its description; for a link
// without one, its address; nothing without a node.
std::string descriptionText(const BookmarkNode* node);
