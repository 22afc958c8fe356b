#pragma once

// Answers the modal windows of a test from a timer that the modal loops run:
// each time a different dialog of this thread becomes the one that takes
// input (a dialog, its message box, the dialog again once the box is gone),
// the next step runs on it. A dialog that appears after the last step is
// cancelled and counted. Activation is not relied upon: a test program in the
// background may not be given it.

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
    static void CALLBACK onTimer(HWND, UINT, UINT_PTR, DWORD);

    std::vector<Step> steps_;
    std::size_t next_ = 0;
    int unexpected_ = 0;
    HWND lastHandled_ = nullptr;
    UINT_PTR timer_ = 0;
};

// Runs `action` while `steps` answer its windows; answers how many came: the
// steps that ran, and any after them (cancelled). So it equals the number of
// steps exactly when each ran and no window came after them.
std::size_t answered(std::vector<DialogDriver::Step> steps, const std::function<void()>& action);
// Presses a button of a dialog or message box.
void pressButton(HWND window, int id);
// A step that presses `button`, after noting the message box's text in `text` when given.
DialogDriver::Step press(int button, std::string* text = nullptr);
// A step that types a file name into an open or save dialog and confirms it.
DialogDriver::Step typeFileName(const std::string& name);
// The text of a message box, in UTF-8.
std::string messageBoxText(HWND box);
// A visible window of that class made by `thread` (of any process), waited for
// up to half a minute; nullptr if none came.
HWND awaitWindow(DWORD thread, const char* className);
