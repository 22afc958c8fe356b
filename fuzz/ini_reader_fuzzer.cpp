// Reads the shortcut address out of arbitrary bytes: never more than the
// reader's buffer holds, and never a line break inside it.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "import/ini_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string value = readIniValue(text, "InternetShortcut", "URL", 256);
    if (value.size() > 255 || value.find_first_of("\r\n") != std::string::npos) std::abort();
    return 0;
}
