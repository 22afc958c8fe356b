#include "ui/tree/import_summary.h"

#include <string>

#include "ui/resource_ids.h"
#include "ui/shell/language_modules.h"
#include "ui/shell/ui_services.h"

namespace {
unsigned failureTextId(ResultStatus status) {
    switch (status) {
    case ResultStatus::NotFound: return IDS_IMPORT_NOT_FOUND;
    case ResultStatus::NotRecognized: return IDS_IMPORT_NOT_RECOGNIZED;
    default: return IDS_IMPORT_UNREADABLE;
    }
}

ImportSummary pending;
}  // namespace

void showImportSummary(HWND owner, const ImportSummary& summary) {
    const InsertedCounts& counts = summary.counts;
    if (counts.cancelled) return;  // the user stopped it, and nothing came in
    std::string text = counts.folders + counts.links == 0
                           ? loadText(IDS_IMPORT_NOTHING)
                           : loadText(IDS_IMPORT_SUMMARY, std::to_string(counts.folders), std::to_string(counts.links));
    const SkippedItems& skipped = summary.skipped;
    for (const auto& [count, textId] : {std::pair{skipped.queries, IDS_SKIPPED_QUERIES},
                                        std::pair{skipped.withoutAddress, IDS_SKIPPED_WITHOUT_ADDRESS},
                                        std::pair{skipped.otherFiles, IDS_SKIPPED_OTHER_FILES}})
        if (count > 0) text += "\n" + loadText(textId, std::to_string(count));
    if (!summary.result) text += "\n\n" + loadText(failureTextId(summary.result.status), summary.result.path);
    showMessage(owner, text, MB_OK | (summary.result ? MB_ICONINFORMATION : MB_ICONWARNING));
}

void postImportSummary(HWND mainWindow, const ImportSummary& summary) {
    pending = summary;
    ::PostMessageW(mainWindow, kImportSummaryMessage, 0, 0);
}

void showPostedImportSummary(HWND mainWindow) { showImportSummary(mainWindow, pending); }
