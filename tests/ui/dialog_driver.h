#pragma once

// Answers the modal windows of a test from a hook: every time a window of
// this thread is activated (a dialog, a message box, a dialog again after its
// message box), the next step runs on it, a moment later, from the modal
// loop. A window activated after the last step is cancelled and counted.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class DialogDriver {
public:
    using Step = std::function<void(HWND window)>;

    explicit DialogDriver(std::vector<Step> steps);
    DialogDriver(const DialogDriver&) = delete;
    DialogDriver& operator=(const DialogDriver&) = delete;
    ~DialogDriver();

    std::size_t stepsRun() const { return next_; }
    int unexpectedWindows() const { return unexpected_; }

private:
    static LRESULT CALLBACK onHook(int code, WPARAM wParam, LPARAM lParam);
    static void CALLBACK onTimer(HWND, UINT, UINT_PTR, DWORD);

    std::vector<Step> steps_;
    std::size_t next_ = 0;
    int unexpected_ = 0;
    HWND pending_ = nullptr;
    UINT_PTR timer_ = 0;
    HHOOK hook_ = nullptr;
};

// Presses a button of a dialog or message box.
void pressButton(HWND window, int id);
// The text of a message box and its caption.
std::string messageBoxText(HWND box);
std::string windowCaption(HWND window);
// The control identifier of the window that has the keyboard focus.
int focusedControlId();
