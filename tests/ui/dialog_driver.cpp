#include "dialog_driver.h"

#include <dlgs.h>

#include <iterator>
#include <utility>

#include "core/wide_text_win.h"

namespace {
DialogDriver* activeDriver = nullptr;

// The dialog that takes input: visible and enabled (a dialog under a message
// box is disabled). Thread windows come topmost first.
BOOL CALLBACK findInputDialog(HWND window, LPARAM found) {
    wchar_t className[16];
    ::GetClassNameW(window, className, std::size(className));
    if (::lstrcmpW(className, L"#32770") == 0 && ::IsWindowVisible(window) && ::IsWindowEnabled(window)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK collectStaticText(HWND child, LPARAM found) {
    wchar_t className[16];
    ::GetClassNameW(child, className, std::size(className));
    if (::lstrcmpiW(className, L"Static") == 0) {
        wchar_t text[1024];
        const int length = ::GetWindowTextW(child, text, std::size(text));
        auto* longest = reinterpret_cast<std::wstring*>(found);
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

std::size_t answered(std::vector<DialogDriver::Step> steps, const std::function<void()>& action) {
    DialogDriver driver(std::move(steps));
    action();
    return driver.stepsRun() + driver.unexpectedWindows();
}

void pressButton(HWND window, int id) {
    ::PostMessageW(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(window, id)));
}

DialogDriver::Step press(int button, std::string* text) {
    return [button, text](HWND box) {
        if (text) *text = messageBoxText(box);
        pressButton(box, button);
    };
}

std::string messageBoxText(HWND box) {
    std::wstring longest;
    ::EnumChildWindows(box, collectStaticText, reinterpret_cast<LPARAM>(&longest));
    return narrowText(longest);
}

HWND awaitWindow(DWORD thread, const char* className) {
    for (int attempt = 0; attempt < 600; ++attempt, ::Sleep(50)) {
        for (HWND window = nullptr; (window = ::FindWindowExA(nullptr, window, className, nullptr));)
            if (::GetWindowThreadProcessId(window, nullptr) == thread && ::IsWindowVisible(window)) return window;
    }
    return nullptr;
}

DialogDriver::Step typeFileName(const std::string& name) {
    return [name](HWND dialog) {
        HWND edit = ::GetDlgItem(dialog, edt1);
        if (!edit) edit = ::GetDlgItem(dialog, cmb13);
        ::SetWindowTextW(edit, wideText(name).c_str());
        pressButton(dialog, IDOK);
    };
}
