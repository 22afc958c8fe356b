#pragma once

// Scrolls a window while a drag rests near its top or bottom edge: within
// 10 pixels of an edge the window scrolls one line towards it every 20 ms.

#include <windows.h>

class AutoScroller {
public:
    static constexpr int kZoneHeight = 10;
    static constexpr UINT kIntervalMs = 20;

    // Takes the window's zones as they are now, on the screen.
    void start(HWND window);
    // The pointer, in screen coordinates, has moved: scroll while it is in a zone.
    void track(POINT point);
    void stop();

private:
    static void CALLBACK onTimer(HWND window, UINT message, UINT_PTR id, DWORD time);

    HWND window_ = nullptr;
    RECT upperZone_{};
    RECT lowerZone_{};
    WPARAM direction_ = SB_LINEUP;
    UINT_PTR timer_ = 0;
    POINT lastPoint_{};
};

// The one scroller of the program's drop target.
AutoScroller& autoScroller();
