#pragma once

#include <string_view>

#include "core/item_source.h"

// Makes a link of plain text. When `fields` has no address yet, a word that
// is an address becomes it: a scheme followed by "//" ("ftp://x"), "mailto:"
// and what follows, or a host name starting with "www." (which gets
// "https://" in front). Text without one makes no link. Of several, the one
// that looks most like an address wins: each ':', '/' and '.' counts one
// point, and a colon followed by two slashes ten more; on a tie the earlier. The text before that word
// becomes the title, the text after it the description (or the title, when
// there was none before). Line breaks inside them become blanks. Without a
// title, the address is the title too. True when there is an address.
bool textToLink(std::string_view text, ItemFields& fields);
