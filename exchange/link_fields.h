#pragma once

// A link read from a data object of another program: an address from the
// "UniformResourceLocator" format (titled by the file name of a
// "FileGroupDescriptor"), or else from plain text.

#include <objidl.h>

#include "core/item_source.h"

bool readLinkFields(IDataObject* data, ItemFields& fields);

// readLinkFields on what the clipboard holds; false when it holds no link.
bool readClipboardLinkFields(ItemFields& fields);
