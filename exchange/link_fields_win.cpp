#include "link_fields.h"

#include <ole2.h>
#include <shlobj.h>

#include <cstring>
#include <string>

#include "core/code_page.h"
#include "core/com_pointer_win.h"
#include "core/wide_text_win.h"
#include "exchange/clipboard_formats_win.h"
#include "exchange/text_to_link.h"

namespace {
// The bytes of one format in global memory; false when the data has none.
bool readBlock(IDataObject* data, CLIPFORMAT format, std::string& bytes) {
    FORMATETC request{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium{};
    if (data->GetData(&request, &medium) != S_OK) return false;
    bool read = false;
    if (medium.tymed == TYMED_HGLOBAL) {
        if (const auto* block = static_cast<const char*>(::GlobalLock(medium.hGlobal))) {
            bytes.assign(block, ::GlobalSize(medium.hGlobal));
            ::GlobalUnlock(medium.hGlobal);
            read = true;
        }
    }
    ::ReleaseStgMedium(&medium);
    return read;
}

// UTF-8 of UTF-16 text up to its first NUL (or of all of it when it has none).
std::string fromWide(const wchar_t* text, std::size_t capacity) {
    return narrowText(std::wstring_view(text, wcsnlen(text, capacity)));
}

// The same for text in the ANSI code page.
std::string fromAnsi(const char* text, std::size_t capacity) {
    std::string utf8;
    codePageToUtf8(ansiCodePage(), std::string_view(text, strnlen(text, capacity)), utf8);
    return utf8;
}

// The text of the wide format, else of the ANSI one; false when the data has neither.
bool readText(IDataObject* data, CLIPFORMAT wideFormat, CLIPFORMAT ansiFormat, std::string& text) {
    std::string bytes;
    if (readBlock(data, wideFormat, bytes)) {
        std::wstring wide(bytes.size() / sizeof(wchar_t), L'\0');
        std::memcpy(wide.data(), bytes.data(), wide.size() * sizeof(wchar_t));
        text = fromWide(wide.c_str(), wide.size());
        return true;
    }
    if (!readBlock(data, ansiFormat, bytes)) return false;
    text = fromAnsi(bytes.c_str(), bytes.size());
    return true;
}

// The file name of the first file a descriptor of this form names; empty
// when there is none.
template <class Group>
std::string descriptorName(IDataObject* data, CLIPFORMAT format) {
    std::string bytes;
    if (!readBlock(data, format, bytes) || bytes.size() < sizeof(Group)) return {};
    Group group;
    std::memcpy(&group, bytes.data(), sizeof group);
    if (group.cItems == 0) return {};
    const auto& name = group.fgd[0].cFileName;
    if constexpr (sizeof name[0] == sizeof(wchar_t))
        return fromWide(name, MAX_PATH);
    else
        return fromAnsi(name, MAX_PATH);
}

// The file name of the first descriptor, without folder and extension.
std::string descriptorTitle(IDataObject* data) {
    std::string title = descriptorName<FILEGROUPDESCRIPTORW>(data, clipboardFormats().fileDescriptorWide);
    if (title.empty()) title = descriptorName<FILEGROUPDESCRIPTORA>(data, clipboardFormats().fileDescriptor);
    const std::size_t slash = title.find_last_of("\\/");
    if (slash != std::string::npos) title.erase(0, slash + 1);
    const std::size_t dot = title.rfind('.');
    if (dot != std::string::npos) title.erase(dot);
    return title;
}
}  // namespace

bool readLinkFields(IDataObject* data, ItemFields& fields) {
    std::string url;
    if (readText(data, clipboardFormats().urlWide, clipboardFormats().url, url)) {
        fields.url = url;
        fields.title = descriptorTitle(data);
        if (fields.title.empty()) fields.title = fields.url;
        return true;
    }
    std::string text;
    return readText(data, CF_UNICODETEXT, CF_TEXT, text) && textToLink(text, fields);
}

bool readClipboardLinkFields(ItemFields& fields) {
    ComPointer<IDataObject> data;
    if (FAILED(::OleGetClipboard(data.out())) || !data) return false;
    return readLinkFields(data.get(), fields);
}
