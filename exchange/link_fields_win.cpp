#include "link_fields.h"

#include <ole2.h>
#include <shlobj.h>

#include <cstring>
#include <string>

#include "core/com_pointer_win.h"
#include "exchange/clipboard_formats_win.h"
#include "exchange/text_to_link.h"

namespace {
// The bytes of one format in global memory, up to the first NUL (or the end
// of the block when it has none).
bool readText(IDataObject* data, CLIPFORMAT format, std::string& text) {
    FORMATETC request{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium{};
    if (data->GetData(&request, &medium) != S_OK) return false;
    bool read = false;
    if (medium.tymed == TYMED_HGLOBAL) {
        if (const auto* bytes = static_cast<const char*>(::GlobalLock(medium.hGlobal))) {
            const SIZE_T size = ::GlobalSize(medium.hGlobal);
            const void* end = std::memchr(bytes, 0, size);
            text.assign(bytes, end ? static_cast<const char*>(end) : bytes + size);
            ::GlobalUnlock(medium.hGlobal);
            read = true;
        }
    }
    ::ReleaseStgMedium(&medium);
    return read;
}

// The file name of the first descriptor, without folder and extension.
std::string descriptorTitle(IDataObject* data) {
    FORMATETC request{clipboardFormats().fileDescriptor, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium{};
    if (data->GetData(&request, &medium) != S_OK) return {};
    std::string title;
    if (medium.tymed == TYMED_HGLOBAL && ::GlobalSize(medium.hGlobal) >= sizeof(FILEGROUPDESCRIPTORA)) {
        if (const auto* group = static_cast<const FILEGROUPDESCRIPTORA*>(::GlobalLock(medium.hGlobal))) {
            if (group->cItems != 0) {
                const char* name = group->fgd[0].cFileName;
                title.assign(name, strnlen(name, MAX_PATH));
                const std::size_t slash = title.find_last_of("\\/");
                if (slash != std::string::npos) title.erase(0, slash + 1);
                const std::size_t dot = title.rfind('.');
                if (dot != std::string::npos) title.erase(dot);
            }
            ::GlobalUnlock(medium.hGlobal);
        }
    }
    ::ReleaseStgMedium(&medium);
    return title;
}
}  // namespace

bool readLinkFields(IDataObject* data, ItemFields& fields) {
    std::string url;
    if (readText(data, clipboardFormats().url, url)) {
        fields.url = url;
        fields.title = descriptorTitle(data);
        if (fields.title.empty()) fields.title = fields.url;
        return true;
    }
    std::string text;
    return readText(data, CF_TEXT, text) && textToLink(text, fields);
}

bool readClipboardLinkFields(ItemFields& fields) {
    ComPointer<IDataObject> data;
    if (FAILED(::OleGetClipboard(data.out())) || !data) return false;
    return readLinkFields(data.get(), fields);
}
