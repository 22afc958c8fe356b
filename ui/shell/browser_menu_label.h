#pragma once

#include <string>

// The label of entry `index` (from 0) of the menu of open browser windows:
// the number from 1 and ") " before the title. The first nine start with "&",
// so that their digit is the item's mnemonic; the others are cut to 30
// characters (not bytes), a long title ending in "...".
std::string browserMenuLabel(int index, const std::string& title);
