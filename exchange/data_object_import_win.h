#pragma once

// Reads bookmarks out of a dropped or pasted data object, in the best format
// it offers: the program's own item stream (UTF-8, else the ANSI one of
// older versions), else a list of files (bookmark files, hotlists, shortcuts
// and folders of them), else one link from a browser's address format or
// from plain text (readLinkFields).

#include <ole2.h>

#include <memory>

#include "core/item_source.h"
#include "exchange/item_stream.h"

class DataObjectImport {
public:
    explicit DataObjectImport(IDataObject* data);
    ~DataObjectImport();
    DataObjectImport(const DataObjectImport&) = delete;
    DataObjectImport& operator=(const DataObjectImport&) = delete;

    // The items the data holds; null when it offers nothing the tree takes.
    // Valid while this object lives.
    ItemSource* source() const { return source_.get(); }
    // Whether the items come from a list of files and folders.
    bool holdsFiles() const { return holdsFiles_; }

private:
    bool readOwnFormat(IDataObject* data, CLIPFORMAT format, StreamText text);
    bool readFileList(IDataObject* data);
    // Gets the format in global memory into medium_; false when there is none.
    bool obtain(IDataObject* data, CLIPFORMAT format);

    STGMEDIUM medium_{};
    bool holdsMedium_ = false;
    const void* lockedBlock_ = nullptr;  // medium_'s block while an item stream reads it
    std::unique_ptr<ItemSource> source_;
    bool holdsFiles_ = false;
};

// Whether the tree accepts what the data object offers: an own format, a
// file list, a browser's address or plain text holding an address (see
// textToLink). `ownFormat` tells whether an own format (of this version or an
// older one) is among them (dragged items of the program are moved, other
// data is copied).
bool canAccept(IDataObject* data, bool& ownFormat);
