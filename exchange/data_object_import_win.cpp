#include "data_object_import_win.h"

#include "exchange/clipboard_formats_win.h"
#include "exchange/item_stream.h"
#include "exchange/link_fields.h"
#include "exchange/single_link_source.h"
#include "import/dropped_file_list.h"
#include "import/file_list_importer.h"

namespace {
FORMATETC globalMemoryRequest(CLIPFORMAT format) { return {format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}; }
}  // namespace

DataObjectImport::DataObjectImport(IDataObject* data) {
    if (!data || readOwnFormat(data, clipboardFormats().own, StreamText::Utf8) ||
        readOwnFormat(data, clipboardFormats().ownAnsi, StreamText::Ansi) || readFileList(data))
        return;
    ItemFields fields;
    if (readLinkFields(data, fields)) source_ = std::make_unique<SingleLinkSource>(std::move(fields));
}

DataObjectImport::~DataObjectImport() {
    source_.reset();
    if (lockedBlock_) ::GlobalUnlock(medium_.hGlobal);
    if (holdsMedium_) ::ReleaseStgMedium(&medium_);
}

bool DataObjectImport::obtain(IDataObject* data, CLIPFORMAT format) {
    FORMATETC request = globalMemoryRequest(format);
    if (data->GetData(&request, &medium_) != S_OK) return false;
    holdsMedium_ = true;
    if (medium_.tymed == TYMED_HGLOBAL && medium_.hGlobal) return true;
    ::ReleaseStgMedium(&medium_);
    holdsMedium_ = false;
    return false;
}

bool DataObjectImport::readOwnFormat(IDataObject* data, CLIPFORMAT format, StreamText text) {
    if (!obtain(data, format)) return false;
    lockedBlock_ = ::GlobalLock(medium_.hGlobal);
    if (!lockedBlock_) {
        ::ReleaseStgMedium(&medium_);
        holdsMedium_ = false;
        return false;
    }
    source_ = std::make_unique<ItemStreamSource>(static_cast<const char*>(lockedBlock_),
                                                 ::GlobalSize(medium_.hGlobal), text);
    return true;
}

bool DataObjectImport::readFileList(IDataObject* data) {
    if (!obtain(data, CF_HDROP)) return false;
    source_ = std::make_unique<FileListImporter>(std::make_unique<DroppedFileList>(medium_.hGlobal));
    holdsFiles_ = true;
    return true;
}

bool canAccept(IDataObject* data, bool& ownFormat) {
    ownFormat = false;
    if (!data) return false;
    const ClipboardFormats& formats = clipboardFormats();
    const auto offers = [data](CLIPFORMAT format) {
        FORMATETC request = globalMemoryRequest(format);
        return data->QueryGetData(&request) == S_OK;
    };
    ownFormat = offers(formats.own) || offers(formats.ownAnsi);
    if (ownFormat) return true;
    for (CLIPFORMAT format : {static_cast<CLIPFORMAT>(CF_HDROP), formats.urlWide, formats.url})
        if (offers(format)) return true;
    // Text only when it holds an address: other text would make a junk link.
    ItemFields fields;
    return readLinkFields(data, fields);
}
