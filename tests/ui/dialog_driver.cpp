#include "dialog_driver.h"

#include <utility>

namespace {
DialogDriver* activeDriver = nullptr;

// The dialog that takes input: visible and enabled (a dialog under a message
// box is disabled). Thread windows come topmost first.
BOOL CALLBACK findInputDialog(HWND window, LPARAM found) {
    char className[16];
    ::GetClassNameA(window, className, sizeof className);
    if (::lstrcmpA(className, "#32770") == 0 && ::IsWindowVisible(window) && ::IsWindowEnabled(window)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK collectStaticText(HWND child, LPARAM found) {
    char className[16];
    ::GetClassNameA(child, className, sizeof className);
    if (::lstrcmpiA(className, "Static") == 0) {
        char text[1024];
        const int length = ::GetWindowTextA(child, text, sizeof text);
        auto* longest = reinterpret_cast<std::string*>(found);
        if (length > static_cast<int>(longest->size())) longest->assign(text, length);
    }
    return TRUE;
}
}  // namespace

DialogDriver::DialogDriver(std::vector<Step> steps) : steps_(std::move(steps)) {
    activeDriver = this;
    timer_ = ::SetTimer(nullptr, 0, 30, onTimer);
}

DialogDriver::~DialogDriver() {
    ::KillTimer(nullptr, timer_);
    activeDriver = nullptr;
}

void CALLBACK DialogDriver::onTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (!activeDriver) return;
    DialogDriver& driver = *activeDriver;
    HWND dialog = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), findInputDialog, reinterpret_cast<LPARAM>(&dialog));
    if (dialog == driver.lastHandled_) return;
    driver.lastHandled_ = dialog;
    if (!dialog) return;
    if (driver.next_ < driver.steps_.size()) {
        driver.steps_[driver.next_++](dialog);
    } else {
        ++driver.unexpected_;
        pressButton(dialog, IDCANCEL);
    }
}

void pressButton(HWND window, int id) {
    ::PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(window, id)));
}

std::string messageBoxText(HWND box) {
    std::string longest;
    ::EnumChildWindows(box, collectStaticText, reinterpret_cast<LPARAM>(&longest));
    return longest;
}

std::string windowCaption(HWND window) {
    char text[256];
    return std::string(text, ::GetWindowTextA(window, text, sizeof text));
}

int focusedControlId() { return ::GetDlgCtrlID(::GetFocus()); }
