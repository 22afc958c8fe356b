#pragma once

// The state the whole program shares: the one collection, and whether the
// message loop translates accelerator keys (not while a tree label is being
// edited, so that its keys reach the editor).

#include "core/collection.h"

extern Collection theCollection;
extern bool acceleratorsEnabled;
