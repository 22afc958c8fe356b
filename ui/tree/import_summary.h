#pragma once

// What an import of files brought, and what it left out and why: shown after
// File > Import and after files are dropped or pasted.

#include <windows.h>

#include "core/result.h"
#include "import/item_insertion.h"

struct ImportSummary {
    InsertedCounts counts;
    Result result;  // the first failure met, if any
    SkippedItems skipped;
};

void showImportSummary(HWND owner, const ImportSummary& summary);

// Shows the summary once the current message is done (a drop must return to
// the program it came from first).
void postImportSummary(HWND mainWindow, const ImportSummary& summary);
// The main window's message for a posted summary.
inline constexpr UINT kImportSummaryMessage = WM_APP + 1;
void showPostedImportSummary(HWND mainWindow);
