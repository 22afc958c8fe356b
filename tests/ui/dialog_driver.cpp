#include "dialog_driver.h"

#include <utility>

namespace {
DialogDriver* activeDriver = nullptr;

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
    hook_ = ::SetWindowsHookExA(WH_CBT, onHook, nullptr, ::GetCurrentThreadId());
}

DialogDriver::~DialogDriver() {
    if (timer_) ::KillTimer(nullptr, timer_);
    ::UnhookWindowsHookEx(hook_);
    activeDriver = nullptr;
}

LRESULT CALLBACK DialogDriver::onHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && activeDriver) {
        DialogDriver& driver = *activeDriver;
        driver.pending_ = reinterpret_cast<HWND>(wParam);
        if (!driver.timer_) driver.timer_ = ::SetTimer(nullptr, 0, 20, onTimer);
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK DialogDriver::onTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (!activeDriver) return;
    DialogDriver& driver = *activeDriver;
    ::KillTimer(nullptr, driver.timer_);
    driver.timer_ = 0;
    HWND window = std::exchange(driver.pending_, nullptr);
    if (!window || !::IsWindow(window)) return;
    if (driver.next_ < driver.steps_.size()) {
        driver.steps_[driver.next_++](window);
    } else {
        ++driver.unexpected_;
        pressButton(window, IDCANCEL);
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
