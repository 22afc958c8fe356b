#pragma once

// One tree item as clipboard and drag data. Every item is offered in the
// program's own format (an item stream holding its whole subtree, in UTF-8
// and in the ANSI form older versions read) and as text (a link's address, a
// folder's name: CF_UNICODETEXT, and CF_TEXT with its CF_LOCALE); a link
// also as "UniformResourceLocatorW" and "UniformResourceLocator", and as a
// virtual .url file ("FileGroupDescriptorW" or "FileGroupDescriptor", and
// "FileContents"), so that a link dropped into a folder window becomes a
// shortcut file.

#include <ole2.h>

#include <string>

#include "core/collection.h"
#include "core/com_object_win.h"

class BookmarkDataObject final : public ComObject<IDataObject> {
public:
    // The item is read now: later changes to the tree do not reach the data.
    // The object starts with one reference, the caller's.
    BookmarkDataObject(const Collection& collection, const BookmarkNode& node);

    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override;
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC* format, STGMEDIUM* medium) override;
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override;
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC* in, FORMATETC* out) override;
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC* format, STGMEDIUM* medium, BOOL release) override;
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** enumerator) override;
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC* format, DWORD flags, IAdviseSink* sink, DWORD* connection) override;
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD connection) override;
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA** enumerator) override;

private:
    ~BookmarkDataObject() override;

    // S_OK when the item is offered in the requested format, else the error
    // of the first check that fails.
    HRESULT checkRequest(const FORMATETC& format) const;
    // A new block with the item in a format other than the own one; null
    // when the item has nothing for it or memory is short.
    HGLOBAL makeBlock(CLIPFORMAT format) const;

    HGLOBAL ownFormatBlock_;  // UTF-8, handed out by reference, freed with the object
    bool isLink_;
    std::string url_;  // empty for a folder
    std::string title_;
};
