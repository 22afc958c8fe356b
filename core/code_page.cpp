#include "code_page.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

#include "core/code_page_platform.h"
#include "core/unicode_text.h"

namespace {
// The code pages whose bytes below 0x80 are ASCII: all but EBCDIC, UTF-7
// and the UTF-16 and UTF-32 forms.
bool asciiCompatible(unsigned codePage) {
    switch (codePage) {
    case 37: case 500: case 875: case 1026: case 1047: case 1140: case 1141: case 1142: case 1143: case 1144:
    case 1145: case 1146: case 1147: case 1148: case 1149: case 1200: case 1201: case 12000: case 12001:
    case 65000:
        return false;
    default:
        return codePage < 20273 || codePage > 20871;  // the EBCDIC range
    }
}

// The ANSI code page, when it has one byte per character, as a table taken
// once from the platform's conversion: collection files and everything else
// in that code page convert without a call into the system per string.
class SingleByteTable {
public:
    explicit SingleByteTable(unsigned codePage) : codePage_(codePage) {
        if (!asciiCompatible(codePage)) return;
        std::string all, joined;
        for (int byte = 0; byte < 256; ++byte) {
            all += static_cast<char>(byte);
            std::string utf8;
            if (!platformCodePageToUtf8(codePage, std::string(1, static_cast<char>(byte)), utf8) || utf8.size() > 3)
                return;
            joined += utf8;
            Utf8Form& form = utf8_[static_cast<std::size_t>(byte)];
            utf8.copy(form.bytes, utf8.size());
            form.length = static_cast<unsigned char>(utf8.size());
            char32_t only = 0;
            int count = 0;
            decodeUtf8(utf8, [&](char32_t codePoint) { only = codePoint, ++count; });
            if (count != 1) return;
            if (byte < 0x80 || only == kReplacementCharacter) continue;
            if (only < lowBytes_.size())
                lowBytes_[only] = static_cast<std::int16_t>(byte);
            else
                bytes_.emplace_back(only, static_cast<char>(byte));
        }
        // A lead byte of a multi-byte code page reads differently before another byte.
        std::string whole;
        if (!platformCodePageToUtf8(codePage, all, whole) || whole != joined) return;
        std::sort(bytes_.begin(), bytes_.end());
        usable_ = true;
    }

    bool holds(unsigned codePage) const { return usable_ && codePage == codePage_; }

    void toUtf8(std::string_view text, std::string& out) const {
        // One pass into room for the longest form, cut to size after. Most
        // text is mostly ASCII: eight such bytes are copied at once.
        out.resize(text.size() * 3 + 8);
        char* next = out.data();
        const char* from = text.data();
        const char* const end = from + text.size();
        while (from < end) {
            std::uint64_t eight;
            if (end - from >= 8 && (std::memcpy(&eight, from, 8), (eight & 0x8080808080808080u) == 0)) {
                std::memcpy(next, from, 8);
                next += 8, from += 8;
                continue;
            }
            const Utf8Form& form = utf8_[static_cast<unsigned char>(*from++)];
            std::memcpy(next, form.bytes, 3);
            next += form.length;
        }
        out.resize(static_cast<std::size_t>(next - out.data()));
    }

    bool fromUtf8(std::string_view text, std::string& out, const MissingCharacter& missing) const {
        out.clear();
        out.reserve(text.size());
        bool held = true;
        const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
        const std::size_t size = text.size();
        std::size_t i = 0;
        while (i < size) {
            // The ASCII run, eight bytes at a time while it lasts.
            const std::size_t ascii = i;
            std::uint64_t eight;
            while (size - i >= 8 && (std::memcpy(&eight, bytes + i, 8), (eight & 0x8080808080808080u) == 0)) i += 8;
            while (i < size && bytes[i] < 0x80) ++i;
            out.append(text.data() + ascii, i - ascii);
            if (i == size) break;
            // Most letters of a single-byte code page take two bytes in UTF-8.
            if (bytes[i] >= 0xC2 && bytes[i] <= 0xDF && i + 1 < size && (bytes[i + 1] & 0xC0) == 0x80) {
                const std::int16_t byte = lowBytes_[(bytes[i] & 0x1Fu) << 6 | (bytes[i + 1] & 0x3Fu)];
                if (byte >= 0) {
                    out += static_cast<char>(byte);
                    i += 2;
                    continue;
                }
            }
            // The rest of the run, up to the next ASCII byte (never inside a sequence), in full.
            const std::size_t other = i;
            while (i < size && bytes[i] >= 0x80) ++i;
            decodeUtf8(text.substr(other, i - other),
                       [&](char32_t codePoint) { held = appendByteOf(codePoint, out, missing) && held; });
        }
        return held;
    }

private:
    struct Utf8Form {
        char bytes[3];
        unsigned char length;
    };

    unsigned codePage_;
    bool usable_ = false;
    std::array<Utf8Form, 256> utf8_{};
    // The byte of each code point below U+0800 (Latin, Greek, Cyrillic,
    // Hebrew, Arabic), -1 where there is none; the others sorted.
    std::array<std::int16_t, 0x800> lowBytes_ = filled(-1);
    std::vector<std::pair<char32_t, char>> bytes_;

    // Appends the byte of `codePoint`; false, with what `missing` gives, when there is none.
    bool appendByteOf(char32_t codePoint, std::string& out, const MissingCharacter& missing) const {
        if (codePoint < lowBytes_.size() && lowBytes_[codePoint] >= 0) {
            out += static_cast<char>(lowBytes_[codePoint]);
            return true;
        }
        const auto found = std::lower_bound(bytes_.begin(), bytes_.end(), codePoint,
                                            [](const auto& entry, char32_t wanted) { return entry.first < wanted; });
        if (found != bytes_.end() && found->first == codePoint) {
            out += found->second;
            return true;
        }
        if (missing)
            missing(codePoint, out);
        else
            out += '?';
        return false;
    }

    static std::array<std::int16_t, 0x800> filled(std::int16_t value) {
        std::array<std::int16_t, 0x800> all;
        all.fill(value);
        return all;
    }
};

const SingleByteTable& ansiTable() {
    static const SingleByteTable table(ansiCodePage());
    return table;
}
}  // namespace

bool codePageToUtf8(unsigned codePage, std::string_view text, std::string& out) {
    if (codePage == kUtf8CodePage) {
        out = repairedUtf8(text);
        return true;
    }
    // The ANSI code page's table copies ASCII as fast as a check for it would.
    if (ansiTable().holds(codePage)) {
        ansiTable().toUtf8(text, out);
        return true;
    }
    if (asciiCompatible(codePage) && isAscii(text)) {
        out.assign(text);
        return true;
    }
    return platformCodePageToUtf8(codePage, text, out);
}

bool utf8ToCodePage(unsigned codePage, std::string_view text, std::string& out, bool* lossless,
                    const MissingCharacter& missing) {
    if (lossless) *lossless = true;
    if (codePage == kUtf8CodePage) {
        out = repairedUtf8(text);
        return true;
    }
    if (ansiTable().holds(codePage)) {
        const bool held = ansiTable().fromUtf8(text, out, missing);
        if (lossless) *lossless = held;
        return true;
    }
    if (asciiCompatible(codePage) && isAscii(text)) {
        out.assign(text);
        return true;
    }
    std::string converted;
    bool held = true;
    const bool known = platformUtf8ToCodePage(codePage, text, converted, [&](char32_t codePoint, std::string& to) {
        held = false;
        if (missing)
            missing(codePoint, to);
        else
            to += '?';
    });
    if (!known) return false;
    out.swap(converted);
    if (lossless) *lossless = held;
    return true;
}
