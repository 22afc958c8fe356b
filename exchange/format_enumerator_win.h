#pragma once

// Lists the formats a BookmarkDataObject offers (ClipboardFormats::offered:
// the first kFolderFormatCount for a folder, all for a link). Every entry
// asks for DVASPECT_CONTENT, index -1 and global memory, with no target
// device.

#include <ole2.h>

#include <cstdint>

#include "core/com_object_win.h"

class FormatEnumerator final : public ComObject<IEnumFORMATETC> {
public:
    // Starts with one reference, the caller's.
    explicit FormatEnumerator(std::uint16_t count, std::uint16_t index = 0) : index_(index), count_(count) {}
    HRESULT STDMETHODCALLTYPE Next(ULONG count, FORMATETC* records, ULONG* fetched) override;
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) override;
    HRESULT STDMETHODCALLTYPE Reset() override;
    HRESULT STDMETHODCALLTYPE Clone(IEnumFORMATETC** copy) override;

private:
    std::uint16_t index_;
    std::uint16_t count_;
};
