// Any text makes a link or not; when it does, the address is one of the
// text's words and nothing is invented.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "exchange/text_to_link.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    ItemFields fields;
    const bool found = textToLink(text, fields);
    if (found != !fields.url.empty()) std::abort();
    if (found && text.find(fields.url) == std::string_view::npos) std::abort();
    if (fields.title.size() > size || fields.description.size() > size) std::abort();
    return 0;
}
