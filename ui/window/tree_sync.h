#pragma once

// The tree control follows every change the edit history makes to the
// collection: items inserted, deleted, renamed and reordered with their nodes.

#include <windows.h>

void followCollection(HWND tree);
void stopFollowingCollection();
