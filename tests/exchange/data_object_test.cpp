// The clipboard and drag data of tree items, and the reading of data objects
// that other programs offer.

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "core/collection.h"
#include "core/com_object_win.h"
#include "core/com_pointer_win.h"
#include "core/unicode_text.h"
#include "exchange/bookmark_data_object_win.h"
#include "exchange/clipboard_formats_win.h"
#include "exchange/data_object_import_win.h"
#include "exchange/item_stream.h"
#include "item_log.h"
#include "test_files.h"
#include "tree_text.h"

namespace {
const ClipboardFormats& formats() { return clipboardFormats(); }

FORMATETC request(CLIPFORMAT format, LONG index = -1, DWORD tymed = TYMED_HGLOBAL, DWORD aspect = DVASPECT_CONTENT) {
    return {format, nullptr, aspect, index, tymed};
}

std::string blockBytes(HGLOBAL block) {
    const auto* bytes = static_cast<const char*>(::GlobalLock(block));
    std::string copy(bytes, ::GlobalSize(block));
    ::GlobalUnlock(block);
    return copy;
}

// GetData's answer, and the bytes of the block it gave.
HRESULT getData(IDataObject* data, CLIPFORMAT format, std::string& bytes, LONG index = -1) {
    FORMATETC asked = request(format, index);
    STGMEDIUM medium{};
    const HRESULT result = data->GetData(&asked, &medium);
    if (result == S_OK) {
        EXPECT_EQ(static_cast<DWORD>(TYMED_HGLOBAL), medium.tymed);
        bytes = blockBytes(medium.hGlobal);
        ::ReleaseStgMedium(&medium);
    }
    return result;
}

// UTF-16 text as the W formats carry it, with its terminating NUL.
std::string wideBytes(const std::string& utf8) { return utf16Bytes(utf8ToUtf16(utf8) + u'\0'); }

// The formats the data object lists, each asked for whole, in global memory.
std::vector<CLIPFORMAT> listedFormats(IDataObject* data) {
    IEnumFORMATETC* list = nullptr;
    EXPECT_EQ(S_OK, data->EnumFormatEtc(DATADIR_GET, &list));
    std::vector<CLIPFORMAT> listed;
    FORMATETC one;
    while (list && list->Next(1, &one, nullptr) == S_OK) {
        EXPECT_EQ(nullptr, one.ptd);
        EXPECT_EQ(static_cast<DWORD>(DVASPECT_CONTENT), one.dwAspect);
        EXPECT_EQ(-1, one.lindex);
        EXPECT_EQ(static_cast<DWORD>(TYMED_HGLOBAL), one.tymed);
        listed.push_back(one.cfFormat);
    }
    if (list) list->Release();
    return listed;
}

// A one-file group descriptor of `size` bytes: archive and normal attributes
// (the only field declared valid) and the name in the form's own bytes.
std::string descriptorBytes(std::size_t size, const std::string& name) {
    std::string descriptor(size, '\0');
    descriptor[0] = 1;
    descriptor[4] = 4;
    descriptor[40] = '\xA0';
    return descriptor.replace(76, name.size(), name);
}

// Data from another program: the formats it was given, in global memory.
class ForeignData final : public ComObject<IDataObject> {
public:
    std::map<CLIPFORMAT, std::string> blocks;

    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
        const auto found = blocks.find(format->cfFormat);
        if (found == blocks.end()) return DV_E_FORMATETC;
        HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, found->second.size());
        std::memcpy(::GlobalLock(block), found->second.data(), found->second.size());
        ::GlobalUnlock(block);
        *medium = {TYMED_HGLOBAL, {}, nullptr};
        medium->hGlobal = block;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override {
        return blocks.count(format->cfFormat) ? S_OK : DV_E_FORMATETC;
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }
};

class DataObject : public testing::Test {
protected:
    Collection c;
    Link* link = nullptr;
    Folder* folder = nullptr;

    void SetUp() override {
        buildTree(c, R"({Tools{Inner <http://inner/>}, A \x3Cb\x3E: \x22c\x22 "about" <http://example.org/>})");
        folder = c.childrenBegin().node()->asFolder();
        link = c.childrenBegin().next().node()->asLink();
    }

    ComPointer<BookmarkDataObject> dataOf(const BookmarkNode* node) const {
        return ComPointer<BookmarkDataObject>::adopt(new BookmarkDataObject(c, *node));
    }

    std::string streamOf(const BookmarkNode* node) const {
        std::string stream(measureNodeStream(c, *node), '\0');
        writeNodeStream(c, *node, stream.data());
        return stream;
    }
};
}  // namespace

TEST_F(DataObject, RequestsAreCheckedInOrderAndMadeCanonical) {
    const auto data = dataOf(link);
    std::pair<FORMATETC, HRESULT> cases[] = {
        {request(formats().fileContents, 0), S_OK},
        {request(formats().fileContents, 1), DV_E_LINDEX},
        {request(formats().url, 0), DV_E_LINDEX},
        {request(formats().own, 0, TYMED_ISTREAM, DVASPECT_ICON), DV_E_LINDEX},
        {request(formats().own, -1, TYMED_ISTREAM, DVASPECT_ICON), DV_E_TYMED},
        {request(formats().own, -1, TYMED_ISTREAM | TYMED_HGLOBAL, DVASPECT_ICON), DV_E_DVASPECT},
        {request(CF_BITMAP), DV_E_CLIPFORMAT},
        {request(CF_TEXT, -1, TYMED_ISTREAM | TYMED_HGLOBAL), S_OK},
    };
    for (auto& [format, expected] : cases) {
        EXPECT_EQ(expected, data->QueryGetData(&format)) << format.cfFormat << " " << format.lindex;
        STGMEDIUM medium{};
        const HRESULT got = data->GetData(&format, &medium);
        EXPECT_EQ(expected, got) << format.cfFormat;
        if (got == S_OK) ::ReleaseStgMedium(&medium);
    }
    FORMATETC text = request(CF_TEXT);
    EXPECT_EQ(DV_E_FORMATETC, data->QueryGetData(nullptr));
    EXPECT_EQ(DV_E_FORMATETC, data->GetData(nullptr, nullptr));
    EXPECT_EQ(DV_E_STGMEDIUM, data->GetData(&text, nullptr));

    FORMATETC out{};
    EXPECT_EQ(DATA_S_SAMEFORMATETC, data->GetCanonicalFormatEtc(&text, &out));
    FORMATETC icon = request(CF_TEXT, -1, TYMED_HGLOBAL, DVASPECT_ICON);
    EXPECT_EQ(S_OK, data->GetCanonicalFormatEtc(&icon, &out));
    EXPECT_EQ(static_cast<DWORD>(DVASPECT_CONTENT), out.dwAspect);
    EXPECT_EQ(nullptr, out.ptd);
    FORMATETC indexed = request(CF_TEXT, 3);
    EXPECT_EQ(DV_E_LINDEX, data->GetCanonicalFormatEtc(&indexed, &out));
    EXPECT_EQ(DV_E_FORMATETC, data->GetCanonicalFormatEtc(nullptr, &out));
}

TEST_F(DataObject, FolderOffersOwnFormatsAndItsNameAsText) {
    c.setTitle(folder, "Tools 工具");
    const auto data = dataOf(folder);
    std::string bytes;
    EXPECT_EQ(S_OK, getData(data.get(), CF_UNICODETEXT, bytes));
    EXPECT_EQ(wideBytes("Tools 工具"), bytes);
    EXPECT_EQ(S_OK, getData(data.get(), CF_TEXT, bytes));
    EXPECT_EQ(std::string("Tools ??\0", 9), bytes);
    EXPECT_EQ(S_OK, getData(data.get(), formats().own, bytes));
    EXPECT_EQ(streamOf(folder), bytes);
    for (CLIPFORMAT linkOnly : {formats().urlWide, formats().url, formats().fileDescriptorWide,
                                formats().fileDescriptor, formats().fileContents})
        EXPECT_EQ(DV_E_CLIPFORMAT, getData(data.get(), linkOnly, bytes));
    EXPECT_EQ((std::vector<CLIPFORMAT>{formats().own, formats().ownAnsi, CF_UNICODETEXT, CF_TEXT, CF_LOCALE}),
              listedFormats(data.get()));
}

TEST_F(DataObject, LinkIsAnAddressAndAShortcutFile) {
    c.setTitle(link, "Жж <b> 例え 🔥");
    c.setUrl(link, "https://例え.jp/パス");
    const auto data = dataOf(link);
    // The ANSI forms lose what the code page lacks: '?' in text, '_' in a file name.
    const std::pair<CLIPFORMAT, std::string> cases[] = {
        {CF_UNICODETEXT, wideBytes("https://例え.jp/パス")},
        {CF_TEXT, std::string("https://??.jp/??\0", 17)},
        {formats().urlWide, wideBytes("https://例え.jp/パス")},
        {formats().url, std::string("https://??.jp/??\0", 17)},
        {formats().fileDescriptorWide, descriptorBytes(596, wideBytes("Жж _b_ 例え 🔥.url"))},
        {formats().fileDescriptor, descriptorBytes(336, "__ _b_ __ _.url")},
        {formats().fileContents, "[InternetShortcut]\r\nURL=https://%E4%BE%8B%E3%81%88.jp/%E3%83%91%E3%82%B9\r\n"},
    };
    std::string bytes;
    for (const auto& [format, expected] : cases) {
        EXPECT_EQ(S_OK, getData(data.get(), format, bytes));
        EXPECT_EQ(expected, bytes) << format;
    }
    // CF_LOCALE names a locale whose ANSI code page is the one of CF_TEXT.
    ASSERT_EQ(S_OK, getData(data.get(), CF_LOCALE, bytes));
    ASSERT_EQ(sizeof(LCID), bytes.size());
    DWORD codePage = 0;
    ::GetLocaleInfoW(*reinterpret_cast<const LCID*>(bytes.data()), LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
                     reinterpret_cast<LPWSTR>(&codePage), sizeof codePage / sizeof(wchar_t));
    EXPECT_EQ(::GetACP(), codePage);
    EXPECT_EQ((std::vector<CLIPFORMAT>{formats().own, formats().ownAnsi, CF_UNICODETEXT, CF_TEXT, CF_LOCALE,
                                       formats().urlWide, formats().url, formats().fileDescriptorWide,
                                       formats().fileDescriptor, formats().fileContents}),
              listedFormats(data.get()));

    // The enumerator skips, clones and resets.
    IEnumFORMATETC* list = nullptr;
    ASSERT_EQ(S_OK, data->EnumFormatEtc(DATADIR_GET, &list));
    EXPECT_EQ(S_OK, list->Skip(8));
    EXPECT_EQ(S_FALSE, list->Skip(3));  // would pass the end: stays
    IEnumFORMATETC* copy = nullptr;
    ASSERT_EQ(S_OK, list->Clone(&copy));
    FORMATETC got[3];
    ULONG fetched = 0;
    EXPECT_EQ(S_OK, copy->Next(3, got, &fetched));
    EXPECT_EQ(2u, fetched);
    EXPECT_EQ(formats().fileDescriptor, got[0].cfFormat);
    EXPECT_EQ(S_OK, list->Skip(2));
    EXPECT_EQ(S_FALSE, list->Next(1, got, &fetched));
    EXPECT_EQ(0u, fetched);
    list->Reset();
    EXPECT_EQ(S_OK, list->Next(1, got, nullptr));
    EXPECT_EQ(formats().own, got[0].cfFormat);
    copy->Release();
    list->Release();
}

TEST_F(DataObject, NamelessOrAddresslessLinkOffersNoShortcutData) {
    c.setTitle(link, "");
    const auto untitled = dataOf(link);
    FORMATETC descriptor = request(formats().fileDescriptor);
    EXPECT_EQ(S_OK, untitled->QueryGetData(&descriptor));
    std::string bytes;
    EXPECT_EQ(STG_E_MEDIUMFULL, getData(untitled.get(), formats().fileDescriptor, bytes));

    c.setTitle(link, "con");
    c.setUrl(link, "");
    const auto empty = dataOf(link);
    EXPECT_EQ(STG_E_MEDIUMFULL, getData(empty.get(), formats().fileContents, bytes));
    EXPECT_EQ(S_OK, getData(empty.get(), formats().fileDescriptor, bytes));
    EXPECT_STREQ("con_.url", bytes.c_str() + 76);
}

TEST_F(DataObject, OwnFormatIsLentAndKeepsTheObjectAlive) {
    const auto data = dataOf(folder);
    FORMATETC own = request(formats().own);
    STGMEDIUM first{}, second{};
    ASSERT_EQ(S_OK, data->GetData(&own, &first));
    ASSERT_EQ(S_OK, data->GetData(&own, &second));
    EXPECT_EQ(first.hGlobal, second.hGlobal);
    EXPECT_EQ(static_cast<IUnknown*>(static_cast<IDataObject*>(data.get())), first.pUnkForRelease);
    EXPECT_EQ(4u, data->AddRef());  // the test's, two media's, this one
    data->Release();
    ::ReleaseStgMedium(&first);
    ::ReleaseStgMedium(&second);
    EXPECT_EQ(streamOf(folder), blockBytes(first.hGlobal));  // still there
    EXPECT_EQ(2u, data->AddRef());
    data->Release();
}

// Own items first, even when the data also lists files; then files, then
// addresses and text. UTF-8 and wide forms before the converted ANSI ones.
TEST_F(DataObject, ImportTakesTheBestFormOnOffer) {
    c.setTitle(link, "Café 例え 🔥");
    c.setUrl(link, "https://例え.jp/パス");
    const auto data = dataOf(link);
    std::string own, ownAnsi;
    ASSERT_EQ(S_OK, getData(data.get(), formats().own, own));
    ASSERT_EQ(S_OK, getData(data.get(), formats().ownAnsi, ownAnsi));
    const std::string wideDescriptor = descriptorBytes(596, wideBytes("Dir\\Сайт.例え.url"));
    const std::string ansiDescriptor = descriptorBytes(336, "Caf\xE9.url");
    const std::string ansiUrl("http://b/caf\xE9\0junk", 19);
    TemporaryFolder files;
    writeFileBytes(files.file("Site.url"), "[InternetShortcut]\r\nURL=http://site/\r\n");
    // A CF_HDROP block listing the file in ANSI. DROPFILES, whose header would clash with the tree's
    // names: the offset of the list, a point, and two flags (the last one: wide characters).
    struct {
        DWORD pFiles;
        POINT pt;
        BOOL fNC;
        BOOL fWide;
    } header{sizeof header, {}, FALSE, FALSE};
    const std::string dropped =
        std::string(reinterpret_cast<const char*>(&header), sizeof header) + files.file("Site.url") + '\0' + '\0';
    std::string damaged = own;
    damaged[1] = '\xFF';  // the title claims 2 GB, more than the block has
    damaged[4] = '\x7F';
    const std::tuple<const char*, std::map<CLIPFORMAT, std::string>, std::string, bool> cases[] = {
        {"older own", {{formats().ownAnsi, ownAnsi}, {CF_UNICODETEXT, wideBytes("x")}},
         R"({Café ?? ? "about" <https://??.jp/??>})", true},
        {"own and files", {{formats().own, own}, {CF_HDROP, dropped}},
         R"({Café 例え 🔥 "about" <https://例え.jp/パス>})", true},
        {"damaged own", {{formats().own, damaged}}, "{}", true},
        {"files", {{CF_HDROP, dropped}, {CF_TEXT, std::string("ignored\0", 8)}}, "{Site <http://site/>}", false},
        {"W address", {{formats().urlWide, wideBytes("https://例え.jp/")}, {formats().url, ansiUrl}},
         "{https://例え.jp/ <https://例え.jp/>}", false},
        {"A address", {{formats().url, ansiUrl}, {CF_UNICODETEXT, wideBytes("x")}},
         "{http://b/café <http://b/café>}", false},
        {"W file name",
         {{formats().urlWide, wideBytes("http://b/café")}, {formats().fileDescriptorWide, wideDescriptor},
          {formats().fileDescriptor, ansiDescriptor}},
         "{Сайт.例え <http://b/café>}", false},
        {"A file name", {{formats().url, ansiUrl}, {formats().fileDescriptor, ansiDescriptor}},
         "{Café <http://b/café>}", false},
        {"W text", {{CF_UNICODETEXT, wideBytes("Пример https://例え.jp/")}, {CF_TEXT, "x.org"}},
         "{Пример <https://例え.jp/>}", false},
        {"A text", {{CF_TEXT, "Caf\xE9\r\nwww.example.org"}}, "{Café <https://www.example.org>}", false},
        {"blank text", {{CF_TEXT, std::string(" \r\n\0", 4)}}, "", false},
        {"picture", {{CF_BITMAP, "x"}}, "", false},
    };
    for (const auto& [name, blocks, items, fromOwnFormat] : cases) {
        ForeignData foreign;
        foreign.blocks = blocks;
        DataObjectImport import(&foreign);
        bool ownFormat = !fromOwnFormat;
        EXPECT_EQ(!items.empty(), canAccept(&foreign, ownFormat)) << name;
        if (items.empty()) {
            EXPECT_EQ(nullptr, import.source()) << name;
            continue;
        }
        EXPECT_EQ(fromOwnFormat, ownFormat) << name;
        ASSERT_NE(nullptr, import.source()) << name;
        EXPECT_EQ(items, itemLog(*import.source())) << name;
    }
}
