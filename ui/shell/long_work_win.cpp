#include "ui/shell/long_work.h"

#include <shlobj.h>

#include <string>

#include "core/wide_text_win.h"
#include "ui/resource_ids.h"
#include "ui/shell/language_modules.h"

namespace {
constexpr auto kDialogAfter = std::chrono::seconds(1);
// Reports come far more often than a user can see; between looks nothing is asked of the system.
constexpr auto kLookEvery = std::chrono::milliseconds(50);

// Paints what needs painting, and nothing else: no input is taken while the
// work holds the collection.
void paintPendingWindows() {
    MSG message;
    for (int pending = 0; pending < 64 && ::PeekMessageW(&message, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE); ++pending)
        ::DispatchMessageW(&message);
}
}  // namespace

LongWork::LongWork(HWND owner, unsigned whatId, bool cancellable, unsigned countId)
    : owner_(owner), whatId_(whatId), cancellable_(cancellable), countId_(countId) {}

LongWork::~LongWork() {
    if (dialog_) dialog_->StopProgressDialog();
}

bool LongWork::advance(std::uint64_t done, std::uint64_t total) {
    const Clock::time_point now = Clock::now();
    if (now - lastLook_ < kLookEvery) return true;
    lastLook_ = now;
    paintPendingWindows();
    if (!dialogTried_ && now - start_ >= kDialogAfter) showDialog(total > 0);
    if (!dialog_) return true;
    if (total > 0) dialog_->SetProgress64(done, total);
    if (countId_) dialog_->SetLine(2, wideText(loadText(countId_, std::to_string(done))).c_str(), FALSE, nullptr);
    return !(cancellable_ && dialog_->HasUserCancelled());
}

void LongWork::showDialog(bool withBar) {
    dialogTried_ = true;
    IProgressDialog* created = nullptr;
    if (FAILED(::CoCreateInstance(CLSID_ProgressDialog, nullptr, CLSCTX_INPROC_SERVER, IID_IProgressDialog,
                                  reinterpret_cast<void**>(&created))))
        return;  // the work goes on with the wait cursor alone
    dialog_ = ComPointer<IProgressDialog>::adopt(created);
    dialog_->SetTitle(wideText(loadText(IDS_APP_TITLE)).c_str());
    dialog_->SetLine(1, wideText(loadText(whatId_)).c_str(), FALSE, nullptr);
    dialog_->SetCancelMsg(wideText(loadText(IDS_WORK_CANCELLING)).c_str(), nullptr);
    const DWORD flags = PROGDLG_MODAL | PROGDLG_NOMINIMIZE | (withBar ? 0 : PROGDLG_NOPROGRESSBAR) |
                        (cancellable_ ? 0 : PROGDLG_NOCANCEL);
    if (FAILED(dialog_->StartProgressDialog(owner_, nullptr, flags, nullptr))) dialog_.reset();
}
