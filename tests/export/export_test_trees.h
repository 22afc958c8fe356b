#pragma once

// Small collections that the export tests share.

#include "core/collection.h"

// Home: link Alpha (a.html), then folder Beta holding link Gamma (g.html).
void buildExampleTree(Collection& collection);

// Nested folders, descriptions with line breaks, text that HTML must escape
// and text in several scripts: the collection the shipped templates are
// tried on.
void buildSampleTree(Collection& collection);
