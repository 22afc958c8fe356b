#include "drag_drop.h"

#include <ole2.h>

#include "core/com_object_win.h"
#include "core/com_pointer_win.h"
#include "exchange/bookmark_data_object_win.h"
#include "exchange/data_object_import_win.h"
#include "ui/application.h"
#include "ui/resource_ids.h"
#include "ui/tree/auto_scroller.h"
#include "ui/tree/clipboard_commands.h"
#include "ui/tree/tree_view.h"

namespace {
// The tree's drop target, made when the tree is registered for drops.
class BookmarkDropTarget final : public ComObject<IDropTarget> {
public:
    explicit BookmarkDropTarget(HWND tree) : tree_(tree) {}

    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) override {
        acceptable_ = canAccept(data, ownFormat_);
        if (acceptable_) autoScroller().start(tree_);
        return DragOver(keys, point, effect);
    }

    HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL point, DWORD* effect) override {
        if (!effect) return E_INVALIDARG;
        if (!acceptable_) {
            *effect = DROPEFFECT_NONE;
            return S_OK;
        }
        autoScroller().track({point.x, point.y});
        const DWORD allowed = allowedEffects(keys);
        const HTREEITEM target = highlightTarget(point);
        *effect = movesIntoDraggedFolder(allowed, target) ? DROPEFFECT_NONE : *effect & allowed;
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE DragLeave() override {
        removeHighlight();
        if (acceptable_) autoScroller().stop();
        acceptable_ = false;
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) override {
        if (!effect) return E_INVALIDARG;
        if (acceptable_) autoScroller().stop();
        const DWORD allowed = allowedEffects(keys);
        const HTREEITEM target = highlightTarget(point);
        // Never a folder into itself: the move would delete what was inserted.
        // And without items inserted the source must not delete its own.
        // (A drag from this window has its own step, which this one joins.)
        EditStep step(theApp.history, {IDS_STEP_DROP, {}});
        if (!acceptable_ || movesIntoDraggedFolder(allowed, target) ||
            !insertFromDataObject(tree_, data, target, !(keys & MK_ALT)))
            *effect = DROPEFFECT_NONE;
        else
            *effect &= allowed;
        removeHighlight();
        ::SetForegroundWindow(::GetParent(tree_));
        acceptable_ = false;
        return S_OK;
    }

private:
    // Items of the program move unless Ctrl is held; other data is copied.
    DWORD allowedEffects(DWORD keys) const {
        return ownFormat_ && !(keys & MK_CONTROL) ? DROPEFFECT_MOVE | DROPEFFECT_LINK
                                                   : DROPEFFECT_COPY | DROPEFFECT_LINK;
    }

    bool movesIntoDraggedFolder(DWORD allowed, HTREEITEM target) const {
        const HTREEITEM dragged = theApp.draggedFolder;
        return dragged && (allowed & DROPEFFECT_MOVE) && target && isInSubtree(tree_, target, dragged);
    }

    HTREEITEM highlightTarget(POINTL point) const {
        HTREEITEM target = itemAtScreenPoint(tree_, point.x, point.y);
        ::SendMessageW(tree_, TVM_SELECTITEM, TVGN_DROPHILITE, reinterpret_cast<LPARAM>(target));
        return target;
    }

    void removeHighlight() const { ::SendMessageW(tree_, TVM_SELECTITEM, TVGN_DROPHILITE, 0); }

    HWND tree_;
    bool acceptable_ = false;
    bool ownFormat_ = false;
};

class BookmarkDropSource final : public ComObject<IDropSource> {
public:
    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escapePressed, DWORD keys) override {
        if (escapePressed) return DRAGDROP_S_CANCEL;
        return keys & MK_LBUTTON ? S_OK : DRAGDROP_S_DROP;
    }
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }
};
}  // namespace

void registerDropTarget(HWND tree) {
    theApp.dropTarget = ComPointer<IDropTarget>::adopt(new BookmarkDropTarget(tree));
    ::RegisterDragDrop(tree, theApp.dropTarget.get());
}

IDropTarget* treeDropTarget() { return theApp.dropTarget.get(); }

void shutdownDragDrop(HWND tree) {
    if (theApp.dropTarget) ::RevokeDragDrop(tree);
    theApp.dropTarget.reset();
    autoScroller().stop();
    ::OleFlushClipboard();
}

bool beginDrag(HWND tree, HTREEITEM item) {
    const BookmarkNode* node = item ? nodeOfItem(tree, item) : nullptr;
    if (!node) return false;
    theApp.draggedFolder = node->asFolder() ? item : nullptr;
    // The drop into this window and the removal of a move are one step.
    EditStep step(theApp.history, {IDS_STEP_COPY, node->title.str()});
    const auto data = ComPointer<BookmarkDataObject>::adopt(new BookmarkDataObject(theApp.collection, *node));
    const auto source = ComPointer<BookmarkDropSource>::adopt(new BookmarkDropSource);
    DWORD effect = DROPEFFECT_NONE;
    const HRESULT result = ::DoDragDrop(data.get(), source.get(), DROPEFFECT_COPY | DROPEFFECT_MOVE, &effect);
    // A later drag from another program must not be measured against this one.
    theApp.draggedFolder = nullptr;
    if (result == DRAGDROP_S_DROP && effect == DROPEFFECT_MOVE) {
        theApp.history.relabelStep({IDS_STEP_MOVE, node->title.str()});
        deleteItem(tree, item, true);
    }
    return result == DRAGDROP_S_DROP;
}
