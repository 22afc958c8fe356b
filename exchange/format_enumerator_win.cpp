#include "format_enumerator_win.h"

#include <new>

#include "exchange/clipboard_formats_win.h"

namespace {
CLIPFORMAT formatAt(int index) {
    const ClipboardFormats& formats = clipboardFormats();
    const CLIPFORMAT list[FormatEnumerator::kLinkFormats] = {formats.own, CF_TEXT, formats.url,
                                                             formats.fileDescriptor, formats.fileContents};
    return list[index];
}
}  // namespace

HRESULT STDMETHODCALLTYPE FormatEnumerator::Next(ULONG count, FORMATETC* records, ULONG* fetched) {
    if (fetched) *fetched = 0;
    if (index_ >= count_) return S_FALSE;
    if (!records) return E_POINTER;
    ULONG given = 0;
    for (; given < count && index_ < count_; ++given, ++index_)
        records[given] = {formatAt(index_), nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    if (fetched) *fetched = given;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE FormatEnumerator::Skip(ULONG count) {
    if (count > static_cast<ULONG>(count_ - index_)) return S_FALSE;
    index_ = static_cast<std::uint16_t>(index_ + count);
    return S_OK;
}

HRESULT STDMETHODCALLTYPE FormatEnumerator::Reset() {
    index_ = 0;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE FormatEnumerator::Clone(IEnumFORMATETC** copy) {
    if (!copy) return E_POINTER;
    *copy = new (std::nothrow) FormatEnumerator(count_, index_);
    return *copy ? S_OK : E_OUTOFMEMORY;
}
