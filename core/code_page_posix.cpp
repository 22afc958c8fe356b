#include "code_page.h"

#include <cerrno>
#include <iconv.h>

#include "core/code_page_platform.h"
#include "core/unicode_text.h"

// No system code pages here: the ANSI and OEM code pages of a Western
// European Windows.
unsigned ansiCodePage() { return 1252; }
unsigned oemCodePage() { return 437; }

namespace {
// Code page 1252 as Windows converts it: the five bytes it leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the control character of the same
// value.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// The other code pages, by iconv's names: those that Windows' conversion
// handles under Wine as well, so that both give the same text.
struct IconvName {
    unsigned codePage;
    const char* name;
};
constexpr IconvName kIconvNames[] = {
    {1250, "CP1250"}, {1251, "CP1251"}, {1253, "CP1253"}, {1254, "CP1254"},
    {1255, "CP1255"}, {1256, "CP1256"}, {1257, "CP1257"}, {1258, "CP1258"},
    {20866, "KOI8-R"}, {21866, "KOI8-U"}, {932, "CP932"}, {936, "CP936"}, {949, "CP949"},
    {950, "CP950"}, {437, "CP437"}, {850, "CP850"}, {852, "CP852"}, {866, "CP866"},
    {28591, "ISO-8859-1"}, {28592, "ISO-8859-2"}, {28593, "ISO-8859-3"}, {28594, "ISO-8859-4"},
    {28595, "ISO-8859-5"}, {28596, "ISO-8859-6"}, {28597, "ISO-8859-7"}, {28598, "ISO-8859-8"},
    {28599, "ISO-8859-9"}, {28603, "ISO-8859-13"}, {28605, "ISO-8859-15"}, {775, "CP775"},
    {855, "CP855"}, {857, "CP857"}, {860, "CP860"}, {861, "CP861"}, {862, "CP862"},
    {863, "CP863"}, {865, "CP865"}, {37, "IBM037"}, {500, "IBM500"}, {1026, "IBM1026"},
    {10000, "MACINTOSH"},
};

const char* iconvName(unsigned codePage) {
    for (const IconvName& entry : kIconvNames)
        if (entry.codePage == codePage) return entry.name;
    return nullptr;
}

class Iconv {
public:
    Iconv(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
    ~Iconv() {
        if (open()) iconv_close(handle_);
    }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;
    bool open() const { return handle_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return handle_; }

private:
    iconv_t handle_;
};

// Decodes with iconv into UTF-8; a byte iconv cannot take gives U+FFFD and
// decoding goes on after it, as on Windows.
void decode(const Iconv& toUnicode, std::string_view text, std::string& out) {
    char32_t wide[256];
    char* in = const_cast<char*>(text.data());
    std::size_t inLeft = text.size();
    while (inLeft > 0) {
        char* outPointer = reinterpret_cast<char*>(wide);
        std::size_t outLeft = sizeof wide;
        const std::size_t result = iconv(toUnicode.get(), &in, &inLeft, &outPointer, &outLeft);
        const std::size_t produced = static_cast<std::size_t>(outPointer - reinterpret_cast<char*>(wide)) / 4;
        for (std::size_t i = 0; i < produced; ++i) appendUtf8(out, wide[i]);
        if (result != static_cast<std::size_t>(-1) || errno == E2BIG) continue;
        // EILSEQ or EINVAL (cut short): one replacement for the byte.
        appendUtf8(out, kReplacementCharacter);
        ++in;
        --inLeft;
        iconv(toUnicode.get(), nullptr, nullptr, nullptr, nullptr);
    }
}
}  // namespace

bool platformCodePageToUtf8(unsigned codePage, std::string_view text, std::string& out) {
    std::string converted;
    converted.reserve(text.size() + text.size() / 2);
    if (codePage == 1252) {
        for (char c : text) appendUtf8(converted, static_cast<unsigned char>(c) >= 0x80 && static_cast<unsigned char>(c) < 0xA0
                                                      ? kWindows1252High[static_cast<unsigned char>(c) - 0x80]
                                                      : static_cast<unsigned char>(c));
    } else {
        const char* name = iconvName(codePage);
        if (!name) return false;
        const Iconv toUnicode("UTF-32LE", name);
        if (!toUnicode.open()) return false;
        decode(toUnicode, text, converted);
    }
    out.swap(converted);
    return true;
}

bool platformUtf8ToCodePage(unsigned codePage, std::string_view text, std::string& out,
                            const MissingCharacter& missing) {
    // Code page 1252, the ANSI one here, goes back through code_page.cpp's
    // table, which is built from the conversion above.
    const char* name = iconvName(codePage);
    if (!name) return false;
    const Iconv fromUnicode(name, "UTF-32LE");
    if (!fromUnicode.open()) return false;
    std::string converted;
    converted.reserve(text.size());
    decodeUtf8(text, [&](char32_t codePoint) {
        char bytes[8];
        char* in = reinterpret_cast<char*>(&codePoint);
        std::size_t inLeft = sizeof codePoint;
        char* outPointer = bytes;
        std::size_t outLeft = sizeof bytes;
        iconv(fromUnicode.get(), nullptr, nullptr, nullptr, nullptr);
        if (iconv(fromUnicode.get(), &in, &inLeft, &outPointer, &outLeft) == static_cast<std::size_t>(-1))
            missing(codePoint, converted);
        else
            converted.append(bytes, static_cast<std::size_t>(outPointer - bytes));
    });
    out.swap(converted);
    return true;
}
