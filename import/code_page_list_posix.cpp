#include "code_page_list.h"

#include "core/ascii_case.h"

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
