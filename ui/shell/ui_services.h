#pragma once

// Small services of the user interface: message boxes with the language
// module's texts, finding a child control, scope guards.

#include <windows.h>

#include <string>

// A message box captioned with the application title; answers its button.
int showMessage(HWND owner, const std::string& text, UINT style);
int showMessageId(HWND owner, unsigned textId, UINT style);

// The full path of the running program's file.
std::string programPath();

// An integer resource (RT_MENU, IDC_WAIT, ...) for the W functions: the
// headers spell those in their A form, yet both forms are the same number.
inline LPCWSTR wideResource(LPCSTR integerResource) {
    return MAKEINTRESOURCEW(reinterpret_cast<ULONG_PTR>(integerResource));
}

// The first child window (in GetWindow order) with control identifier `id`.
HWND childById(HWND parent, int id);

// The whole text of a window, of any length, in UTF-8.
std::string windowText(HWND window);

// Stops a window from painting while it lives.
class UpdateLock {
public:
    explicit UpdateLock(HWND window) { ::LockWindowUpdate(window); }
    UpdateLock(const UpdateLock&) = delete;
    UpdateLock& operator=(const UpdateLock&) = delete;
    ~UpdateLock() { ::LockWindowUpdate(nullptr); }
};

// Keeps a control from painting while many items change. LockWindowUpdate
// alone leaves bulk inserts quadratic under Wine; WM_SETREDRAW does not.
class RedrawOff {
public:
    explicit RedrawOff(HWND window) : window_(window) { ::SendMessageW(window_, WM_SETREDRAW, FALSE, 0); }
    RedrawOff(const RedrawOff&) = delete;
    RedrawOff& operator=(const RedrawOff&) = delete;
    ~RedrawOff() {
        ::SendMessageW(window_, WM_SETREDRAW, TRUE, 0);
        ::InvalidateRect(window_, nullptr, TRUE);
    }

private:
    HWND window_;
};

// Shows the hourglass while it lives.
class WaitCursor {
public:
    WaitCursor() : previous_(::SetCursor(::LoadCursorW(nullptr, wideResource(IDC_WAIT)))) {}
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
    ~WaitCursor() { ::SetCursor(previous_); }

private:
    HCURSOR previous_;
};
