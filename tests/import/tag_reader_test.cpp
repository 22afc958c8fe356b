#include "import/tag_reader.h"

#include <gtest/gtest.h>

#include "core/memory_bytes.h"

namespace {
// Records every report as one line: T[text] or <NAME A=[value] ...>.
class RecordingHandler : public TagHandler {
public:
    std::string log;
    int stopAfter = -1;  // stop at every n-th report when positive

    bool onText(const std::string& text) override {
        log += "T[" + text + "]\n";
        return goOn();
    }
    bool onTag(const std::string& name, const AttributeMap& attributes) override {
        log += "<" + name;
        for (const auto& [attributeName, value] : attributes) log += " " + attributeName + "=[" + value + "]";
        log += ">\n";
        return goOn();
    }

private:
    int reports_ = 0;
    bool goOn() { return stopAfter <= 0 || ++reports_ % stopAfter != 0; }
};

// Hands out at most `step` bytes a read.
class TrickleSource final : public ByteSource {
public:
    TrickleSource(std::string_view bytes, std::size_t step) : bytes_(bytes), step_(step) {}
    std::size_t read(char* buffer, std::size_t capacity) override {
        return bytes_.read(buffer, capacity < step_ ? capacity : step_);
    }
    std::uint64_t size() const override { return bytes_.size(); }

private:
    MemorySource bytes_;
    std::size_t step_;
};

// Everything the reader reports, given `step` bytes a read, parsing again after
// each stop the handler makes; without stops one parse must read it all, and a
// parse after the end must report nothing more.
std::string parsed(std::string_view markup, const std::string& charset = "UTF-8", int stopAfter = -1,
                   std::size_t step = 4096) {
    TrickleSource source(markup, step);
    TagReader reader(source);
    reader.setCharset(charset);
    RecordingHandler handler;
    handler.stopAfter = stopAfter;
    int parses = 1;
    while (!reader.parse(handler)) ++parses;
    EXPECT_EQ(stopAfter > 0, parses > 1) << "parses: " << parses;
    const std::string log = handler.log;
    EXPECT_TRUE(reader.parse(handler));
    EXPECT_EQ(log, handler.log) << "a parse after the end reported more";
    return log;
}
}  // namespace

TEST(TagReader, ReadsTextEntitiesEscapesTagsAndAttributes) {
    const std::pair<const char*, const char*> cases[] = {
        {"a &lt; b", "T[a < b]\n"},
        {"&Amp;&nbsp;&QUOT;&gt;", "T[& \">]\n"},
        {"x&copy;y", "T[xy]\n"},
        {"Tom & Jerry<B>", "T[Tom & Jerry]\n<B>\n"},
        {"you&#39;re &#x27;q&#X27; &#8217;", "T[you're 'q' ’]\n"},
        {"&#233;&#x2603;&#128512;&#x10fFfF;", "T[\xC3\xA9\xE2\x98\x83\xF0\x9F\x98\x80\xF4\x8F\xBF\xBF]\n"},
        // 0, surrogates and values beyond Unicode are no characters.
        {"&#0;&#xD800;&#57343;&#x110000;&#99999999999999999999;",
         "T[\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD]\n"},
        {"&#0000000065;&#x0000000000042;&#;&#x;&#12a;", "T[AB]\n"},
        {"100%25 %zzx %+9%09%00", "T[100% %zzx %+9\t]\n"},
        {"cut %4", "T[cut %4]\n"},
        {"50% off, top 10% 2024%<B>", "T[50% off, top 10% 2024%]\n<B>\n"},
        {"%&amp;%4&lt;%%41", "T[%&%4<%A]\n"},
        {"cut &amp", "T[cut &amp]\n"},
        {"  \r\n title  <P>  ", "T[title  ]\n<P>\n"},
        {"line\r\nbreak\rcr", "T[line\nbreak\rcr]\n"},
        // Tags and attributes.
        {"<dl><p></DL>", "<DL>\n<P>\n</DL>\n"},
        {"<a name=value>", "<A NAME=[value]>\n"},
        {"<a name = value>", "<A NAME=[] VALUE=[]>\n"},
        {"<a HREF=a HREF=b href=c>", "<A HREF=[a]>\n"},
        {"<a z=1 b=\"two words = x\" m>", "<A B=[two words = x] M=[] Z=[1]>\n"},
        {"<a \"Quoted Name\"=v>", "<A QUOTED NAME=[]>\n"},
        {"<a title=\"x > y\">rest", "<A TITLE=[x ]>\nT[y\">rest]\n"},
        {"<a href=\"?a=1&amp;b=2&c=3&copy;&#38;&#8217;\">", "<A HREF=[?a=1&b=2&c=3&copy;&’]>\n"},
        {"<a v=\"&#0000000065;&#x0000000000042;&#X00000000000110000;&#000;&#;&#x2603\">",
         "<A V=[AB\xEF\xBF\xBD\xEF\xBF\xBD&#;&#x2603]>\n"},
        {"<a q=1 p=1 o=1 n=1 m=1 l=1 k=1 j=1 i=1 h=1 g=1 f=1 e=1 d=1 c=1 b=1 a=1 p=2 a=2>",
         "<A A=[1] B=[1] C=[1] D=[1] E=[1] F=[1] G=[1] H=[1] I=[1] J=[1] K=[1] L=[1] M=[1] N=[1] O=[1] P=[1] Q=[1]>\n"},
        {"<!-- a\r\ncomment --> after", "T[after]\n"},
        {"<!--x-->", "<!--X-->\n"},
        {"<> skipped > kept", "T[kept]\n"},
        {"<!DOCTYPE NETSCAPE-Bookmark-file-1>", "<!DOCTYPE NETSCAPE-BOOKMARK-FILE-1=[]>\n"},
        {"<a\r\nhref=x\r\n>", "<A HREF=[x]>\n"},
        {"<a href=", "<A HREF=[]>\n"},
        {"<a href=\"open", "<A HREF=[open]>\n"},
        {"<a", ""},
        {"<", ""},
    };
    for (const auto& [markup, expected] : cases) EXPECT_EQ(expected, parsed(markup)) << markup;
}

TEST(TagReader, ConvertsTextAndValuesFromTheCharsetWhileReferencesGiveCharacters) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"windows-1251", "Caf&#233; cr&#232;me \xCF\xF0\xE8", "T[Café crème При]\n"},
        {"windows-1251", "<a href=\"http://x/\xCF?&#233;&amp;\">", "<A HREF=[http://x/П?é&]>\n"},
        // An escape gives a byte of the charset, to be read with the bytes around it.
        {"Shift_JIS", "%93%FA\x96\x7B%20\x93%FA", "T[日本 日]\n"},
        {"UTF-8", "%C3%A9 \xFF", "T[é \xEF\xBF\xBD]\n"},
        {"windows-1252", "\x80<a t=\x80>", "T[€]\n<A T=[€]>\n"},
    };
    for (const auto& [charset, markup, expected] : cases)
        EXPECT_EQ(expected, parsed(markup, charset)) << charset << " " << markup;
}

// Read in pieces of any size, and parsed again after each stop the handler
// makes, markup reads as in one go; a CR LF is joined wherever a read ends.
// Cut anywhere, it is read in one parse.
TEST(TagReader, ReadsTheSameInPiecesAfterStopsAndWhenCut) {
    const std::string markup = "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\r\n"
                               "<DL><p><DT><H3 ADD_DATE=\"1\">F&amp;G</H3>\r\n<DD>x%41%2<DT><A HREF=\"a&amp;b\">"
                               "t&#39;</A><!-- c --><A B=\"x\r\ny\">t\r\nu\rv\r\r\nw</A>x\r";
    for (int stopAfter : {-1, 1, 2, 3})
        for (std::size_t step : {1, 2, 3, 4096})
            EXPECT_EQ("<META CONTENT=[text/html; charset=UTF-8] HTTP-EQUIV=[Content-Type]>\n<DL>\n<P>\n<DT>\n"
                      "<H3 ADD_DATE=[1]>\nT[F&G]\n</H3>\n<DD>\nT[xA%2]\n<DT>\n<A HREF=[a&b]>\nT[t']\n</A>\n"
                      "<A B=[x\ny]>\nT[t\nu\rv\r\nw]\n</A>\nT[x\r]\n",
                      parsed(markup, "UTF-8", stopAfter, step)) << stopAfter << " " << step;
    for (std::size_t cut = 0; cut < markup.size(); ++cut) {
        SCOPED_TRACE(cut);
        parsed(std::string_view(markup).substr(0, cut));
    }
}
