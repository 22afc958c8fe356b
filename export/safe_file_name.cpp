#include "safe_file_name.h"

#include <string_view>

namespace {
constexpr std::size_t kMaxLength = 251;
constexpr std::string_view kReplaced = "<>:/\\|.\"";
constexpr std::string_view kDeviceNames[] = {
    "con",  "prn",  "aux",  "clock$", "nul",  "com1", "com2", "com3",
    "com4", "com5", "com6", "com7",   "com8", "com9", "lpt1", "lpt2",
    "lpt3", "lpt4", "lpt5", "lpt6",   "lpt7", "lpt8", "lpt9",
};

bool equalsIgnoringAsciiCase(std::string_view text, std::string_view lowerName) {
    if (text.size() != lowerName.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != lowerName[i]) return false;
    }
    return true;
}
}  // namespace

std::string& SafeFileName(std::string& text) {
    if (text.size() > kMaxLength) text.resize(kMaxLength);
    for (char& c : text)
        if (kReplaced.find(c) != std::string_view::npos) c = '_';
    // Only after the dot is gone: "con.txt" became "con_txt", which is not reserved.
    for (std::string_view name : kDeviceNames) {
        if (equalsIgnoringAsciiCase(text, name)) {
            text += '_';
            break;
        }
    }
    return text;
}
