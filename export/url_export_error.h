#pragma once

// The one error of a template export. Raised by the template reader and the
// export engine; it abandons the whole export.

#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>

namespace UrlExport {

enum ExportErrorCode : std::int32_t {
    TemplateNotReadable = 1,     // the template cannot be opened for reading
    OutputNotWritable = 2,       // the output cannot be created, written, flushed or closed
    KeywordNotClosed = 3,        // a "{" inside a keyword, or the file ends inside one
    ClosingKeywordMissing = 4,   // the file ends while a closing keyword is looked for
    UnknownKeyword = 5,          // a keyword name that is not in the table
    NestingTooDeep = 6,          // a fifth saved position
    NoSavedPosition = 7,         // the reader used, or a position dropped, with none saved
};

class Error : public std::exception {
public:
    Error(std::int32_t errorCode, std::int32_t templateLine) : code(errorCode), line(templateLine) {}

    // Writes the message into `buffer` (always terminated, cut to fit): the
    // loaded language module's text for the code when it has one, else the
    // built-in English text. Inserts: %1 the template path, %2 the line,
    // %3 the output path. Code 0 gives an empty text.
    void formatMessage(char* buffer, std::size_t size, const std::string& templatePath,
                       const std::string& outputPath) const;
    // The same, without a length limit.
    std::string message(const std::string& templatePath, const std::string& outputPath) const;

    const char* what() const noexcept override { return "template export failed"; }

    std::int32_t code;
    std::int32_t line;  // 0 where no line of the template applies
};

// The language module whose message table (ids 0x01010001 to 0x01010007)
// gives the texts; null for the built-in English texts. On Windows the value
// is the module's HMODULE; elsewhere there are no modules and it is ignored.
void setMessageModule(void* module);

}  // namespace UrlExport
