#pragma once

#include <string_view>

#include "core/item_source.h"

// Makes a link of plain text. When `fields` has no address yet, the word
// that looks most like an address becomes it: each ':', '/' and '.' counts
// one point, and a word holding a colon followed by two slashes ("http://")
// earns ten more; on a tie the earlier word wins. The text before that word
// becomes the title, the text after it the description (or the title, when
// there was none before). Line breaks inside them become blanks. Without a
// title, the address is the title too. True when there is an address.
bool textToLink(std::string_view text, ItemFields& fields);
