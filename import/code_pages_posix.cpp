#include "code_pages.h"

#include <cerrno>
#include <iconv.h>
#include <string_view>
#include <vector>

#include "core/ascii_case.h"
#include "import/windows_1252.h"

namespace {
struct CodePageName {
    unsigned codePage;
    const char* webCharset;
};

// MLang's list of browser code pages (enumerated with MIMECONTF_BROWSER |
// MIMECONTF_VALID), in its order, so that a name selects the same code
// page here as on Windows.
constexpr CodePageName kBrowserCodePages[] = {
    {1256, "windows-1256"}, {28596, "iso-8859-6"}, {775, "ibm775"}, {1257, "windows-1257"},
    {28594, "iso-8859-4"}, {28603, "iso-8859-13"}, {50936, "_autodetect_chs"}, {936, "gb2312"},
    {20936, "x-cp20936"}, {52936, "hz-gb-2312"}, {54936, "GB18030"}, {936, "gbk"},
    {50950, "_autodetect_cht"}, {950, "big5"}, {20000, "x-Chinese-CNS"}, {852, "ibm852"},
    {1250, "windows-1250"}, {10029, "x-mac-ce"}, {28592, "iso-8859-2"}, {855, "ibm855"},
    {866, "cp866"}, {1251, "windows-1251"}, {20866, "koi8-r"}, {21866, "koi8-u"},
    {28595, "iso-8859-5"}, {1253, "windows-1253"}, {28597, "iso-8859-7"}, {862, "dos-862"},
    {1255, "windows-1255"}, {28598, "iso-8859-8"}, {50932, "_autodetect"}, {51932, "euc-jp"},
    {20932, "EUC-JP"}, {50221, "csISO2022JP"}, {50222, "iso-2022-jp"}, {10001, "x-mac-japanese"},
    {932, "shift_jis"}, {949, "ks_c_5601-1987"}, {857, "ibm857"}, {1026, "ibm1026"},
    {1254, "windows-1254"}, {10081, "x-mac-turkish"}, {28593, "iso-8859-3"}, {28599, "iso-8859-9"},
    {1258, "windows-1258"}, {37, "ibm037"}, {437, "ibm437"}, {500, "ibm500"},
    {850, "ibm850"}, {860, "ibm860"}, {861, "ibm861"}, {863, "ibm863"},
    {865, "ibm865"}, {1252, "windows-1252"}, {10000, "macintosh"}, {10079, "x-mac-icelandic"},
    {20127, "us-ascii"}, {28591, "iso-8859-1"}, {28605, "iso-8859-15"}, {1200, "unicode"},
    {65000, "utf-7"}, {65001, "utf-8"},
};

// The code pages converted natively: those that Windows' conversion handles
// under Wine as well, so that both give the same text. Others stay
// unconverted on both.
struct IconvName {
    unsigned codePage;
    const char* name;
};
constexpr IconvName kConvertible[] = {
    {1250, "CP1250"}, {1251, "CP1251"}, {1253, "CP1253"}, {1254, "CP1254"},
    {1255, "CP1255"}, {1256, "CP1256"}, {1257, "CP1257"}, {1258, "CP1258"},
    {20866, "KOI8-R"}, {21866, "KOI8-U"}, {932, "CP932"}, {936, "CP936"}, {949, "CP949"},
    {950, "CP950"}, {437, "CP437"}, {850, "CP850"}, {852, "CP852"}, {866, "CP866"},
    {28592, "ISO-8859-2"}, {28593, "ISO-8859-3"}, {28594, "ISO-8859-4"}, {28595, "ISO-8859-5"},
    {28596, "ISO-8859-6"}, {28597, "ISO-8859-7"}, {28598, "ISO-8859-8"}, {28599, "ISO-8859-9"},
    {28603, "ISO-8859-13"}, {28605, "ISO-8859-15"}, {775, "CP775"}, {855, "CP855"},
    {857, "CP857"}, {860, "CP860"}, {861, "CP861"}, {862, "CP862"}, {863, "CP863"},
    {865, "CP865"}, {37, "IBM037"}, {500, "IBM500"}, {1026, "IBM1026"}, {10000, "MACINTOSH"},
};

}  // namespace

struct CodePageList::Platform {};

CodePageList::CodePageList() = default;
CodePageList::~CodePageList() = default;

bool CodePageList::available() const { return true; }

unsigned CodePageList::find(const std::string& name) {
    for (const CodePageName& entry : kBrowserCodePages)
        if (equalsIgnoringAsciiCase(name, entry.webCharset)) return entry.codePage;
    return 0;
}

struct CodePageConversion::Platform {
    unsigned codePage = 0;
    iconv_t toUnicode = reinterpret_cast<iconv_t>(-1);

    ~Platform() {
        if (toUnicode != reinterpret_cast<iconv_t>(-1)) iconv_close(toUnicode);
    }

    // Decodes with iconv into code points; a byte iconv cannot take gives
    // U+FFFD and decoding goes on after it, as on Windows.
    bool decode(const std::string& text, std::string& out) {
        iconv(toUnicode, nullptr, nullptr, nullptr, nullptr);
        std::vector<char32_t> wide(text.size() + 1);
        char* in = const_cast<char*>(text.data());
        std::size_t inLeft = text.size();
        while (inLeft > 0) {
            char* outStart = reinterpret_cast<char*>(wide.data());
            char* outPointer = outStart;
            std::size_t outLeft = wide.size() * sizeof(char32_t);
            std::size_t result = iconv(toUnicode, &in, &inLeft, &outPointer, &outLeft);
            std::size_t produced = static_cast<std::size_t>(outPointer - outStart) / sizeof(char32_t);
            for (std::size_t i = 0; i < produced; ++i) out += unicodeToWindows1252(wide[i]);
            if (result != static_cast<std::size_t>(-1)) break;
            if (errno == E2BIG) continue;
            // EILSEQ or EINVAL (cut short): one replacement for the byte.
            out += unicodeToWindows1252(0xFFFD);
            ++in;
            --inLeft;
            iconv(toUnicode, nullptr, nullptr, nullptr, nullptr);
        }
        return true;
    }
};

CodePageConversion::CodePageConversion(unsigned codePage) {
    auto platform = std::make_unique<Platform>();
    platform->codePage = codePage;
    if (codePage != 65001 && codePage != 28591) {
        for (const IconvName& entry : kConvertible) {
            if (entry.codePage != codePage) continue;
            // UTF-32 in the machine's order, without a byte-order mark.
            platform->toUnicode = iconv_open("UTF-32LE", entry.name);
            if (platform->toUnicode == reinterpret_cast<iconv_t>(-1)) return;
            break;
        }
        if (platform->toUnicode == reinterpret_cast<iconv_t>(-1)) return;
    }
    platform_ = std::move(platform);
}

CodePageConversion::~CodePageConversion() = default;

bool CodePageConversion::available() const { return platform_ != nullptr; }

bool CodePageConversion::convert(std::string& text) {
    if (!platform_) return false;
    std::string out;
    out.reserve(text.size());
    switch (platform_->codePage) {
    case 65001:
        decodeUtf8(text, [&](char32_t codePoint) { out += unicodeToWindows1252(codePoint); });
        break;
    case 28591:
        for (char c : text) out += unicodeToWindows1252(static_cast<unsigned char>(c));
        break;
    default:
        platform_->decode(text, out);
    }
    text.swap(out);
    return true;
}
