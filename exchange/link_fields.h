#pragma once

// A link read from a data object of another program: an address from the
// "UniformResourceLocatorW" or "UniformResourceLocator" format (titled by the
// file name of a "FileGroupDescriptorW" or "FileGroupDescriptor"), or else
// from plain text (CF_UNICODETEXT, else CF_TEXT). The W forms are read first;
// the A forms are taken to be in the ANSI code page.

#include <objidl.h>

#include "core/item_source.h"

bool readLinkFields(IDataObject* data, ItemFields& fields);

// readLinkFields on what the clipboard holds; false when it holds no link.
bool readClipboardLinkFields(ItemFields& fields);
