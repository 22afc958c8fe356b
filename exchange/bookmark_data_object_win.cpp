#include "bookmark_data_object_win.h"

#include <algorithm>
#include <new>

#include "core/code_page.h"
#include "core/collection_walker.h"
#include "core/wide_text_win.h"
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

HGLOBAL wideTextBlock(const std::string& text) {
    const std::wstring wide = wideText(text);
    return globalBlock(wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
}

// Characters the ANSI code page lacks become '?'.
HGLOBAL ansiTextBlock(const std::string& text) {
    std::string ansi;
    utf8ToCodePage(ansiCodePage(), text, ansi);
    return globalBlock(ansi.c_str(), ansi.size() + 1);
}

// The locale whose ANSI code page CF_TEXT is in: the system's.
HGLOBAL localeBlock() {
    const LCID locale = ::GetSystemDefaultLCID();
    return globalBlock(&locale, sizeof locale);
}

// An item stream in a block of exactly its size: one walk over a source
// measures it, a second walk over a new one writes it.
template <class MakeSource>
HGLOBAL itemStreamBlock(MakeSource makeSource, StreamText text) {
    auto measured = makeSource();
    const std::size_t size = measureItemStream(measured, text);
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, size);
    if (!block) return nullptr;
    char* destination = static_cast<char*>(::GlobalLock(block));
    if (!destination) {
        ::GlobalFree(block);
        return nullptr;
    }
    auto written = makeSource();
    writeItemStream(written, destination, text);
    ::GlobalUnlock(block);
    return block;
}

HGLOBAL nodeStreamBlock(const BookmarkNode& node) {
    const ChildPosition first = Collection::positionOf(&node);
    return itemStreamBlock([&] { return CollectionWalker(first, first.next()); }, StreamText::Utf8);
}

// The older versions' format, made from the UTF-8 stream (the tree may have
// changed since the object was made).
HGLOBAL ansiStreamBlock(HGLOBAL utf8Stream) {
    const auto* stream = static_cast<const char*>(::GlobalLock(utf8Stream));
    if (!stream) return nullptr;
    const SIZE_T size = ::GlobalSize(utf8Stream);
    HGLOBAL block = itemStreamBlock([&] { return ItemStreamSource(stream, size); }, StreamText::Ansi);
    ::GlobalUnlock(utf8Stream);
    return block;
}

HGLOBAL shortcutBlock(const std::string& url) {
    if (url.empty()) return nullptr;
    const std::string text = ShortcutText(url);
    return globalBlock(text.data(), text.size());
}
}  // namespace

BookmarkDataObject::BookmarkDataObject(const Collection&, const BookmarkNode& node)
    : ownFormatBlock_(nodeStreamBlock(node)),
      isLink_(node.asLink() != nullptr),
      url_(isLink_ ? node.asLink()->url.str() : std::string()),
      title_(node.title.str()) {}

BookmarkDataObject::~BookmarkDataObject() {
    if (ownFormatBlock_) ::GlobalFree(ownFormatBlock_);
}

HRESULT BookmarkDataObject::checkRequest(const FORMATETC& format) const {
    if (!indexAllowed(format)) return DV_E_LINDEX;
    if (!(format.tymed & TYMED_HGLOBAL)) return DV_E_TYMED;
    if (format.dwAspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    const auto& offered = clipboardFormats().offered;
    const auto end = offered.begin() + (isLink_ ? kLinkFormatCount : kFolderFormatCount);
    return std::find(offered.begin(), end, format.cfFormat) != end ? S_OK : DV_E_CLIPFORMAT;
}

HGLOBAL BookmarkDataObject::makeBlock(CLIPFORMAT format) const {
    const ClipboardFormats& formats = clipboardFormats();
    const std::string& text = isLink_ ? url_ : title_;
    if (format == CF_UNICODETEXT) return wideTextBlock(text);
    if (format == CF_TEXT) return ansiTextBlock(text);
    if (format == CF_LOCALE) return localeBlock();
    if (format == formats.ownAnsi) return ownFormatBlock_ ? ansiStreamBlock(ownFormatBlock_) : nullptr;
    if (format == formats.urlWide) return wideTextBlock(url_);
    if (format == formats.url) return ansiTextBlock(url_);
    if (format == formats.fileDescriptorWide) return shortcutDescriptorBlock(title_, DescriptorName::Wide);
    if (format == formats.fileDescriptor) return shortcutDescriptorBlock(title_, DescriptorName::Ansi);
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
        FormatEnumerator(isLink_ ? kLinkFormatCount : kFolderFormatCount);
    return *enumerator ? S_OK : E_OUTOFMEMORY;
}

HRESULT STDMETHODCALLTYPE BookmarkDataObject::DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) {
    return OLE_E_ADVISENOTSUPPORTED;
}
HRESULT STDMETHODCALLTYPE BookmarkDataObject::DUnadvise(DWORD) { return OLE_E_ADVISENOTSUPPORTED; }
HRESULT STDMETHODCALLTYPE BookmarkDataObject::EnumDAdvise(IEnumSTATDATA**) { return OLE_E_ADVISENOTSUPPORTED; }
