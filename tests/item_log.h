#pragma once

// What an item source yields, as one comparable text.

#include <string>

#include "core/item_source.h"

// Every item until the EndOfFolder that closes the top level, one a line:
//   F title | description        a folder (its items follow, then E)
//   L title | description | url  a link
//   E                            the end of a folder (the last closes the top)
// Stops after `limit` items, so that a source that never ends fails a test
// instead of hanging it.
std::string itemLog(ItemSource& source, int limit = 100000);
