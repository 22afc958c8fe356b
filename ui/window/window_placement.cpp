#include "ui/window/window_placement.h"

#include <algorithm>

#include "core/settings.h"

namespace {
constexpr std::int32_t kUseDefault = Settings::kUseDefault;

std::int32_t fitExtent(std::int32_t extent, std::int32_t minimum, std::int32_t available) {
    available = std::max<std::int32_t>(available, 1);
    return std::clamp(extent, std::min(minimum, available), available);
}

std::int32_t fitStart(std::int32_t start, std::int32_t extent, std::int32_t areaStart, std::int32_t areaEnd) {
    return std::max(areaStart, std::min(start, areaEnd - extent));
}
}  // namespace

WindowBox fitWindowToWorkArea(WindowBox box, WorkArea area) {
    const std::int32_t availableWidth = area.right - area.left, availableHeight = area.bottom - area.top;
    if (box.width == kUseDefault || box.height == kUseDefault) {
        box.width = box.height = kUseDefault;
    } else {
        box.width = fitExtent(box.width, kMinimumWindowWidth, availableWidth);
        box.height = fitExtent(box.height, kMinimumWindowHeight, availableHeight);
    }
    if (box.left == kUseDefault || box.top == kUseDefault) {
        box.left = box.top = kUseDefault;
        return box;
    }
    // A size left to Windows is not known here: keep room for the smallest.
    const std::int32_t width = box.width != kUseDefault ? box.width : std::min(kMinimumWindowWidth, availableWidth);
    const std::int32_t height =
        box.height != kUseDefault ? box.height : std::min(kMinimumWindowHeight, availableHeight);
    box.left = fitStart(box.left, width, area.left, area.right);
    box.top = fitStart(box.top, height, area.top, area.bottom);
    return box;
}
