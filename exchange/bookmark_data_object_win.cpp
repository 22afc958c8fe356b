#include "bookmark_data_object_win.h"

#include <cstring>
#include <new>

#include "exchange/clipboard_formats_win.h"
#include "exchange/file_descriptor_win.h"
#include "exchange/format_enumerator_win.h"
#include "exchange/global_block_win.h"
#include "exchange/item_stream.h"
#include "export/shortcut_text.h"

namespace {
// Only "FileContents" may also be asked for at index 0, the first (and only) file.
bool indexAllowed(const FORMATETC& format) {
    return format.lindex == -1 || (format.lindex == 0 && format.cfFormat == clipboardFormats().fileContents);
}

HGLOBAL textBlock(const std::string& text) { return globalBlock(text.c_str(), text.size() + 1); }

// The item stream of the node and its subtree: measured by one walk, then
// written by a second into a block of exactly that size.
HGLOBAL itemStreamBlock(const Collection& collection, const BookmarkNode& node) {
    const std::size_t size = measureNodeStream(collection, node);
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, size);
    if (!block) return nullptr;
    char* destination = static_cast<char*>(::GlobalLock(block));
    if (!destination) {
        ::GlobalFree(block);
        return nullptr;
    }
    writeNodeStream(collection, node, destination);
    ::GlobalUnlock(block);
    return block;
}

HGLOBAL shortcutBlock(const std::string& url) {
    if (url.empty()) return nullptr;
    const std::string text = ShortcutText(url);
    return globalBlock(text.data(), text.size());
}
}  // namespace

BookmarkDataObject::BookmarkDataObject(const Collection& collection, const BookmarkNode& node)
    : ownFormatBlock_(itemStreamBlock(collection, node)),
      isLink_(node.asLink() != nullptr),
      url_(isLink_ ? node.asLink()->url.str() : std::string()),
      title_(node.title.str()) {}

BookmarkDataObject::~BookmarkDataObject() {
    if (ownFormatBlock_) ::GlobalFree(ownFormatBlock_);
}

HRESULT BookmarkDataObject::checkRequest(const FORMATETC& format) const {
    const ClipboardFormats& formats = clipboardFormats();
    if (!indexAllowed(format)) return DV_E_LINDEX;
    if (!(format.tymed & TYMED_HGLOBAL)) return DV_E_TYMED;
    if (format.dwAspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    if (format.cfFormat == formats.own || format.cfFormat == CF_TEXT) return S_OK;
    const bool linkFormat = format.cfFormat == formats.url || format.cfFormat == formats.fileDescriptor ||
                            format.cfFormat == formats.fileContents;
    return linkFormat && isLink_ ? S_OK : DV_E_CLIPFORMAT;
}

HGLOBAL BookmarkDataObject::makeBlock(CLIPFORMAT format) const {
    const ClipboardFormats& formats = clipboardFormats();
    if (format == CF_TEXT) return textBlock(isLink_ ? url_ : title_);
    if (format == formats.url) return textBlock(url_);
    if (format == formats.fileDescriptor) return shortcutDescriptorBlock(title_);
    if (format == formats.fileContents) return shortcutBlock(url_);
    return nullptr;
}

HRESULT STDMETHODCALLTYPE BookmarkDataObject::GetData(FORMATETC* format, STGMEDIUM* medium) {
    if (!format) return DV_E_FORMATETC;
    if (!medium) return DV_E_STGMEDIUM;
    const HRESULT check = checkRequest(*format);
    if (check != S_OK) return check;
    if (format->cfFormat == clipboardFormats().own) {
        // Handed out by reference: releasing the medium releases this object.
        if (!ownFormatBlock_) return STG_E_MEDIUMFULL;
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = ownFormatBlock_;
        medium->pUnkForRelease = static_cast<IDataObject*>(this);
        AddRef();
        return S_OK;
    }
    HGLOBAL block = makeBlock(format->cfFormat);
    if (!block) return STG_E_MEDIUMFULL;
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = block;
    medium->pUnkForRelease = nullptr;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE BookmarkDataObject::GetDataHere(FORMATETC*, STGMEDIUM*) { return E_UNEXPECTED; }

HRESULT STDMETHODCALLTYPE BookmarkDataObject::QueryGetData(FORMATETC* format) {
    return format ? checkRequest(*format) : DV_E_FORMATETC;
}

HRESULT STDMETHODCALLTYPE BookmarkDataObject::GetCanonicalFormatEtc(FORMATETC* in, FORMATETC* out) {
    if (!in) return DV_E_FORMATETC;
    if (!indexAllowed(*in)) return DV_E_LINDEX;
    if (!out) return E_INVALIDARG;
    *out = *in;
    out->ptd = nullptr;
    if (!in->ptd && in->dwAspect == DVASPECT_CONTENT) return DATA_S_SAMEFORMATETC;
    out->dwAspect = DVASPECT_CONTENT;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE BookmarkDataObject::SetData(FORMATETC*, STGMEDIUM*, BOOL) { return E_NOTIMPL; }

HRESULT STDMETHODCALLTYPE BookmarkDataObject::EnumFormatEtc(DWORD direction, IEnumFORMATETC** enumerator) {
    if (!enumerator) return E_POINTER;
    *enumerator = nullptr;
    if (direction == DATADIR_SET) return E_NOTIMPL;
    *enumerator = new (std::nothrow)
        FormatEnumerator(isLink_ ? FormatEnumerator::kLinkFormats : FormatEnumerator::kFolderFormats);
    return *enumerator ? S_OK : E_OUTOFMEMORY;
}

HRESULT STDMETHODCALLTYPE BookmarkDataObject::DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) {
    return OLE_E_ADVISENOTSUPPORTED;
}
HRESULT STDMETHODCALLTYPE BookmarkDataObject::DUnadvise(DWORD) { return OLE_E_ADVISENOTSUPPORTED; }
HRESULT STDMETHODCALLTYPE BookmarkDataObject::EnumDAdvise(IEnumSTATDATA**) { return OLE_E_ADVISENOTSUPPORTED; }
