#pragma once

// Where the main window opens. The stored place and size come from the
// registry: they may name a monitor that is gone, a screen resolution that
// scales them to nonsense, or any number at all.

#include <cstdint>

// Settings::kUseDefault in a field leaves that place or size to Windows.
struct WindowBox {
    std::int32_t left, top, width, height;
};

struct WorkArea {
    std::int32_t left, top, right, bottom;
};

inline constexpr std::int32_t kMinimumWindowWidth = 300;
inline constexpr std::int32_t kMinimumWindowHeight = 200;

// `stored` sized to at least the minimum (but no larger than `area`) and
// moved to lie within `area`, the work area of the monitor it is nearest to.
// A place or size only half given is left to Windows as a whole, since
// CreateWindow ignores the second half then.
WindowBox fitWindowToWorkArea(WindowBox stored, WorkArea area);
