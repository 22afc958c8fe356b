#pragma once

// What an item source yields, in the one-line notation of tree_text.h:
//   {News "daily"{a <http://a/>}, b <http://b/>}
// Each folder item opens braces that its EndOfFolder closes; the outer braces
// close with the EndOfFolder that ends the top level.

#include <string>

#include "core/item_source.h"

// Stops after `limit` items with " (no end)", so that a source that never
// ends fails a test instead of hanging it.
std::string itemLog(ItemSource& source, int limit = 100000);
