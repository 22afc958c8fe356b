#include "ui/shell/common_controls.h"

#include "ui/shell/system_library.h"

namespace {
template <typename Function>
Function* commonControl(const char* name) {
    return systemFunction<Function>(L"comctl32.dll", name);
}
}  // namespace

bool initCommonControls(DWORD classes) {
    static const auto function = commonControl<decltype(::InitCommonControlsEx)>("InitCommonControlsEx");
    INITCOMMONCONTROLSEX controls{sizeof controls, classes};
    return function && function(&controls);
}

HIMAGELIST createImageList(int width, int height, UINT flags, int initial, int grow) {
    static const auto function = commonControl<decltype(::ImageList_Create)>("ImageList_Create");
    return function ? function(width, height, flags, initial, grow) : nullptr;
}

int addMaskedImages(HIMAGELIST list, HBITMAP images, COLORREF mask) {
    static const auto function = commonControl<decltype(::ImageList_AddMasked)>("ImageList_AddMasked");
    return function ? function(list, images, mask) : -1;
}

void destroyImageList(HIMAGELIST list) {
    static const auto function = commonControl<decltype(::ImageList_Destroy)>("ImageList_Destroy");
    if (function) function(list);
}
