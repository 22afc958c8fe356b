#pragma once

// The error codes of a template export and their messages. A failed export
// answers a Result whose `code` is one of these: TemplateMistake with the
// template's line for codes 3 to 7; for code 1 the cause of the failed read
// of the template, for codes 2 and 8 WriteFailed.

#include <cstddef>
#include <cstdint>
#include <string>

#include "core/result.h"

namespace UrlExport {

enum ExportErrorCode : std::int32_t {
    TemplateNotReadable = 1,     // the template cannot be opened for reading
    OutputNotWritable = 2,       // the output cannot be created, written, flushed or closed
    KeywordNotClosed = 3,        // a "{" inside a keyword, or the file ends inside one
    ClosingKeywordMissing = 4,   // the file ends while a closing keyword is looked for
    UnknownKeyword = 5,          // a keyword name that is not in the table
    NestingTooDeep = 6,          // a fifth saved position
    NoSavedPosition = 7,         // the reader used, or a position dropped, with none saved
    OutputIsCollection = 8,      // the output is the collection's own file
};

// The message for a failed export's result: the loaded language module's
// text for its code when it has one, else the built-in English text.
// Inserts: %1 the template path, %2 the result's line, %3 the output path.
// Code 0 gives an empty text.
std::string exportMessage(const Result& result, const std::string& templatePath, const std::string& outputPath);
// The same into `buffer`, always terminated, cut to fit (never inside a
// character).
void formatExportMessage(const Result& result, char* buffer, std::size_t size, const std::string& templatePath,
                         const std::string& outputPath);

// The language module whose message table (ids 0x01010001 to 0x01010008)
// gives the texts; null for the built-in English texts. On Windows the value
// is the module's HMODULE; elsewhere there are no modules and it is ignored.
void setMessageModule(void* module);

}  // namespace UrlExport
