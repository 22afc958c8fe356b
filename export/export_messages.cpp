#include "export_messages.h"

#include <string_view>

namespace UrlExport {
namespace {
// Indexed by code - 1. Each names the file, the line where one applies, what
// was wrong and how to put it right.
constexpr std::string_view kTexts[] = {
    "The export template \"%1\" cannot be opened for reading. Check that the file exists and "
    "that you may read it. Nothing was written to \"%3\".",

    "The export file \"%3\" cannot be written: it could not be created, a write to it failed "
    "(is the disk full?), or it is the template \"%1\" itself. Choose another output file. "
    "A file that was already at \"%3\" has been left as it was.",

    "Error in the export template \"%1\", line %2: a keyword is not closed. A \"{\" starts a "
    "keyword, which must end with \"}\" before the next \"{\" and before the end of the file. "
    "Write a brace that is meant as text as {left} or {right}.",

    "Error in the export template \"%1\", line %2: the file ends where a closing keyword is "
    "still missing. Each of {folder}, {url}, {folderstart}, {folderend}, {nl:}, {weblink} and "
    "{noweblink} needs its closing keyword: {/folder}, {/url}, {/folderstart}, {/folderend}, "
    "{/nl:}, {/weblink}, {/noweblink}.",

    "Error in the export template \"%1\", line %2: unknown keyword. Check the spelling of the "
    "name between the braces (it may not hold blanks, for example {title}); write a brace "
    "that is meant as text as {left} or {right}.",

    "Error in the export template \"%1\", line %2: {collection} and {filename} blocks are "
    "nested too deeply. At most three such blocks may be open one inside another.",

    "Internal error while reading the export template \"%1\" (line %2): the reader has no "
    "saved position. Please report this error together with the template.",

    "The export file \"%3\" is the collection itself: the export would replace your bookmarks. "
    "Choose another output file. The collection has been left as it was.",
};
}  // namespace

std::string builtInMessage(std::int32_t code, const MessageInserts& inserts) {
    if (code < 1 || code > static_cast<std::int32_t>(std::size(kTexts))) return {};
    return fillMessageInserts(kTexts[code - 1], inserts);
}

std::string fillMessageInserts(std::string_view text, const MessageInserts& inserts) {
    std::string message;
    message.reserve(text.size() + inserts.templatePath.size() * 2 + inserts.outputPath.size() * 2);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%' || i + 1 == text.size()) {
            message += text[i];
            continue;
        }
        const char next = text[++i];
        if (next >= '1' && next <= '9') {
            int number = next - '0';
            if (i + 1 < text.size() && text[i + 1] >= '0' && text[i + 1] <= '9')
                number = number * 10 + (text[++i] - '0');
            // A printf format ("%2!d!") only says how to show the value: skipped.
            if (i + 1 < text.size() && text[i + 1] == '!') {
                const std::size_t close = text.find('!', i + 2);
                i = close == std::string_view::npos ? text.size() : close;
            }
            if (number == 1) message += inserts.templatePath;
            if (number == 2) message += std::to_string(inserts.line);
            if (number == 3) message += inserts.outputPath;
        } else if (next == '0') {
            break;
        } else if (next == 'n') {
            message += "\r\n";
        } else if (next == 't') {
            message += '\t';
        } else if (next == 'r') {
            message += '\r';
        } else if (next == 'b') {
            message += ' ';
        } else {
            message += next;  // "%%", "%.", "%!" and the like stand for the character itself
        }
    }
    return message;
}

}  // namespace UrlExport
