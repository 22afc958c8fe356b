#pragma once

// The texts of export errors, in UTF-8 like their inserts: built-in English
// ones, and the seam to a language module's message table.

#include <cstdint>
#include <string>
#include <string_view>

namespace UrlExport {

struct MessageInserts {
    const std::string& templatePath;  // %1
    std::int32_t line;                // %2
    const std::string& outputPath;    // %3
};

// The built-in English text for codes 1 to 8 with its inserts filled in;
// empty for any other code.
std::string builtInMessage(std::int32_t code, const MessageInserts& inserts);

// A message text with its inserts filled in the way FormatMessage does (%1 to
// %3, with or without a "!format!", and the escapes %n, %t, %%, %0, ...), but
// without reading arguments: an insert the text has no value for (%4 to
// %99) is left out instead of being read from beyond the three.
std::string fillMessageInserts(std::string_view text, const MessageInserts& inserts);

// The text of the loaded language module's message table entry for the code,
// with its inserts; false when no module is loaded or it lacks the entry.
bool moduleMessage(std::int32_t code, const MessageInserts& inserts, std::string& text);

}  // namespace UrlExport
