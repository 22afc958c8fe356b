#pragma once

// The small collection that the export tests share.

#include "core/collection.h"
#include "tree_text.h"

// Home: link Alpha (a.html), then folder Beta holding link Gamma (g.html).
inline void buildExampleTree(Collection& c) { buildTree(c, "Home{Alpha <a.html>, Beta{Gamma <g.html>}}"); }
