#pragma once

// The dialogs that name and describe things. Each edits a copy and writes it
// back only when the user ends the dialog with OK (then it returns true).

#include <windows.h>

#include <string>

#include "core/item_source.h"

// The collection's title; an empty title is accepted.
bool editCollectionTitle(HWND owner, std::string& title);
// A folder's name (required) and description.
bool editFolder(HWND owner, ItemFields& fields);
// A link's address (required, checked first), title (required) and description.
bool editLink(HWND owner, ItemFields& fields);
