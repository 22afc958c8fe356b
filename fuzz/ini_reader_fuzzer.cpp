// Reads the shortcut address out of arbitrary bytes: valid UTF-8, never
// more characters than the reader's buffer holds, and never a line break.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/unicode_text.h"
#include "import/ini_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string value = readIniValue(text, "InternetShortcut", "URL", 256);
    if (!isValidUtf8(value) || characterCount(value) > 255 || value.find_first_of("\r\n") != std::string::npos)
        std::abort();
    return 0;
}
