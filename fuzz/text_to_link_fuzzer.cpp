// Any text makes a link or not; when it does, the address is one of the
// text's words and nothing is invented but the https:// of a www. host.

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
    std::string_view address = fields.url;
    if (address.substr(0, 8) == "https://" && text.find(address) == std::string_view::npos)
        address.remove_prefix(8);
    if (found && text.find(address) == std::string_view::npos) std::abort();
    // Without other text the address is the title too, https:// included.
    const std::size_t invented = fields.url.size() - address.size();
    if (fields.title.size() > size + invented || fields.description.size() > size) std::abort();
    return 0;
}
