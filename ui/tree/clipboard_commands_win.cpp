#include "clipboard_commands.h"

#include "core/com_pointer_win.h"
#include "exchange/bookmark_data_object_win.h"
#include "exchange/data_object_import_win.h"
#include "ui/application.h"
#include "ui/tree/import_summary.h"
#include "ui/resource_ids.h"
#include "ui/tree/tree_view.h"
#include "ui/shell/ui_services.h"

bool copyToClipboard(HWND tree, bool cut) {
    const HTREEITEM item = selectedItem(tree);
    const BookmarkNode* node = item ? nodeOfItem(tree, item) : nullptr;
    if (!node) return false;
    const auto data = ComPointer<BookmarkDataObject>::adopt(new BookmarkDataObject(theApp.collection, *node));
    const bool taken = SUCCEEDED(::OleSetClipboard(data.get()));
    if (taken && cut) {
        EditStep step(theApp.history, {IDS_STEP_CUT, node->title.str()});
        deleteItem(tree, item, true);
    }
    return taken;
}

bool insertFromDataObject(HWND tree, IDataObject* data, HTREEITEM target, bool into) {
    DataObjectImport import(data);
    if (!import.source()) return false;
    ImportSummary summary;
    {
        WaitCursor wait;
        UpdateLock lock(tree);
        summary.counts = insertFromSource(tree, *import.source(), target, into, true);
    }
    if (summary.counts.cancelled) return false;  // nor may a move's source delete anything
    if (import.holdsFiles()) {
        summary.result = import.source()->result();
        summary.skipped = import.source()->skipped();
        postImportSummary(::GetParent(tree), summary);
    }
    return true;
}

void pasteFromClipboard(HWND tree) {
    ComPointer<IDataObject> data;
    if (FAILED(::OleGetClipboard(data.out())) || !data) return;
    EditStep step(theApp.history, {IDS_STEP_PASTE, {}});
    insertFromDataObject(tree, data.get(), selectedItem(tree), true);
}

bool clipboardHasItems() {
    ComPointer<IDataObject> data;
    if (FAILED(::OleGetClipboard(data.out())) || !data) return false;
    bool ownFormat;
    return canAccept(data.get(), ownFormat);
}
