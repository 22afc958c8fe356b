#pragma once

// A piece of work that may take long, for as long as it lives: the wait
// cursor at once; past a second the system's progress dialog, with Cancel
// where the work can stop; and the window kept painting meanwhile. The work
// tells it how far it has come (Progress), and stops when it answers false.

#include <windows.h>

#include <chrono>
#include <cstdint>

#include "core/com_pointer_win.h"
#include "core/progress.h"
#include "ui/shell/ui_services.h"

// Of the shell, whose header cannot be included beside the collection's
// (it names an interface Folder).
struct IProgressDialog;

class LongWork final : public Progress {
public:
    // `whatId`: the string that says what is being done; `countId`, if
    // any, the one that shows the count done (%1).
    LongWork(HWND owner, unsigned whatId, bool cancellable, unsigned countId = 0);
    ~LongWork() override;
    LongWork(const LongWork&) = delete;
    LongWork& operator=(const LongWork&) = delete;

    bool advance(std::uint64_t done, std::uint64_t total) override;

private:
    void showDialog(bool withBar);

    using Clock = std::chrono::steady_clock;
    HWND owner_;
    unsigned whatId_;
    bool cancellable_;
    unsigned countId_;
    WaitCursor wait_;
    Clock::time_point start_ = Clock::now();
    Clock::time_point lastLook_ = start_;
    ComPointer<IProgressDialog> dialog_;
    bool dialogTried_ = false;
};
