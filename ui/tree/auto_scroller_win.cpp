#include "auto_scroller.h"

namespace {
constexpr UINT_PTR kTimerId = 1;
}  // namespace

AutoScroller& autoScroller() {
    static AutoScroller scroller;
    return scroller;
}

void AutoScroller::start(HWND window) {
    stop();
    window_ = window;
    RECT client;
    ::GetClientRect(window, &client);
    ::MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    upperZone_ = lowerZone_ = client;
    upperZone_.bottom = client.top + kZoneHeight;
    lowerZone_.top = client.bottom - kZoneHeight;
}

void AutoScroller::track(POINT point) {
    if (timer_ && point.x == lastPoint_.x && point.y == lastPoint_.y) return;
    if (::PtInRect(&upperZone_, point)) {
        direction_ = SB_LINEUP;
    } else if (::PtInRect(&lowerZone_, point)) {
        direction_ = SB_LINEDOWN;
    } else {
        stop();
        return;
    }
    timer_ = ::SetTimer(window_, kTimerId, kIntervalMs, onTimer);
    lastPoint_ = point;
}

void AutoScroller::stop() {
    if (!timer_) return;
    ::KillTimer(window_, kTimerId);
    timer_ = 0;
}

void CALLBACK AutoScroller::onTimer(HWND window, UINT, UINT_PTR, DWORD) {
    ::SendMessageW(window, WM_VSCROLL, autoScroller().direction_, 0);
}
