#include "safe_file_name.h"

#include <string_view>

#include "core/ascii_case.h"
#include "core/unicode_text.h"

namespace {
constexpr std::size_t kMaxLength = 251;
constexpr std::string_view kReplaced = "<>:\"/\\|?*.";
constexpr std::string_view kDeviceNames[] = {"con", "prn", "aux", "nul", "clock$", "conin$", "conout$"};
// Windows also takes the superscript digits as the number of a COM or LPT port.
constexpr std::string_view kPortDigits[] = {"\xC2\xB9", "\xC2\xB2", "\xC2\xB3"};

bool isPortName(std::string_view name) {
    if (name.size() < 4) return false;
    const std::string_view prefix = name.substr(0, 3), digit = name.substr(3);
    if (!equalsIgnoringAsciiCase(prefix, "com") && !equalsIgnoringAsciiCase(prefix, "lpt")) return false;
    if (digit.size() == 1 && digit[0] >= '0' && digit[0] <= '9') return true;
    for (std::string_view superscript : kPortDigits)
        if (digit == superscript) return true;
    return false;
}

// Windows finds a device in a name whatever follows its first dot and with
// trailing blanks; by the time this is asked, both are gone.
bool isDeviceName(std::string_view name) {
    for (std::string_view device : kDeviceNames)
        if (equalsIgnoringAsciiCase(name, device)) return true;
    return isPortName(name);
}
}  // namespace

std::string& SafeFileName(std::string& text) {
    text.resize(firstCharacters(text, kMaxLength).size());
    for (char& c : text) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || kReplaced.find(c) != std::string_view::npos) c = '_';
    }
    // Windows drops trailing blanks (and dots, replaced above) from a name it
    // creates, which would make "nul " the device again.
    while (!text.empty() && text.back() == ' ') text.pop_back();
    if (isDeviceName(text)) text += '_';
    return text;
}
