#include "clipboard_formats_win.h"

namespace {
CLIPFORMAT registered(const char* name) { return static_cast<CLIPFORMAT>(::RegisterClipboardFormatA(name)); }
}  // namespace

const ClipboardFormats& clipboardFormats() {
    static const ClipboardFormats formats{registered("Linkhaven"), registered("UniformResourceLocator"),
                                          registered("FileGroupDescriptor"), registered("FileContents")};
    return formats;
}
