#include "format_enumerator_win.h"

#include <new>

#include "exchange/clipboard_formats_win.h"

HRESULT STDMETHODCALLTYPE FormatEnumerator::Next(ULONG count, FORMATETC* records, ULONG* fetched) {
    if (fetched) *fetched = 0;
    if (index_ >= count_) return S_FALSE;
    if (!records) return E_POINTER;
    ULONG given = 0;
    for (; given < count && index_ < count_; ++given, ++index_)
        records[given] = {clipboardFormats().offered[index_], nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
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
