#include "tag_reader.h"

#include <algorithm>

#include "core/unicode_text.h"

namespace {
// Skipped between tags and before attributes.
bool isWhitespace(int c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

constexpr ByteSet kTextStops{'<', '%', '&'};
constexpr ByteSet kTagNameStops{' ', '\t', '\n', '\r', '\f', '>'};
constexpr ByteSet kQuotedStops{'"', '>'};
constexpr ByteSet kNameStops{' ', '\t', '\n', '\r', '\f', '=', '>'};
constexpr ByteSet kValueStops{' ', '\t', '\n', '\r', '\f', '>'};
constexpr ByteSet kEntityStops{';', '<'};

char upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

void upperCase(std::string& text) {
    for (char& c : text) c = upper(c);
}

int hexDigit(int c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool equalsUpper(std::string_view name, std::string_view upperName) {
    if (name.size() != upperName.size()) return false;
    for (std::size_t i = 0; i < name.size(); ++i)
        if (upper(name[i]) != upperName[i]) return false;
    return true;
}

// "&#39;" or "&#x27;" (name "#39", "#x27").
bool decodeNumeric(std::string_view name, std::string& out) {
    if (name.size() < 2 || name[0] != '#') return false;
    bool hex = name[1] == 'x' || name[1] == 'X';
    std::string_view digits = name.substr(hex ? 2 : 1);
    if (digits.empty()) return false;
    char32_t value = 0;
    for (char c : digits) {
        int digit = hex ? hexDigit(c) : (c >= '0' && c <= '9' ? c - '0' : -1);
        if (digit < 0) return false;
        // Once too large it stays so, without overflowing.
        if (value <= 0x10FFFF) value = value * (hex ? 16 : 10) + static_cast<char32_t>(digit);
    }
    appendUtf8(out, value == 0 ? kReplacementCharacter : value);
    return true;
}

// Inside attribute values an "&" stays literal unless it starts a known
// entity; names longer than this cannot be one.
constexpr std::size_t kLongestEntityName = 10;

bool isDigit(char c, bool hex) { return hex ? hexDigit(c) >= 0 : c >= '0' && c <= '9'; }

// The position of the ";" that ends a reference starting at the "&" at `amp`,
// or npos. The scan never goes past a run of digits or a name's longest
// length, so that a value full of "&" without ";" is read in linear time.
std::size_t referenceEnd(std::string_view value, std::size_t amp) {
    std::size_t at = amp + 1;
    if (at < value.size() && value[at] == '#') {
        ++at;
        const bool hex = at < value.size() && (value[at] == 'x' || value[at] == 'X');
        if (hex) ++at;
        while (at < value.size() && isDigit(value[at], hex)) ++at;
    } else {
        const std::size_t limit = std::min(value.size(), at + kLongestEntityName + 1);
        while (at < limit && value[at] != ';') ++at;
    }
    return at < value.size() && value[at] == ';' ? at : std::string_view::npos;
}

}  // namespace

bool decodeEntity(std::string_view name, std::string& out) {
    if (!name.empty() && name[0] == '#') return decodeNumeric(name, out);
    static constexpr std::pair<std::string_view, char> kEntities[] = {
        {"LT", '<'}, {"GT", '>'}, {"AMP", '&'}, {"QUOT", '"'}, {"NBSP", ' '},
    };
    for (const auto& [entity, replacement] : kEntities) {
        if (equalsUpper(name, entity)) {
            out += replacement;
            return true;
        }
    }
    return false;
}

const std::string* AttributeMap::find(std::string_view name) const {
    const Attribute* found = std::lower_bound(
        begin(), end(), name, [](const Attribute& attribute, std::string_view key) { return attribute.first < key; });
    return found != end() && found->first == name ? &found->second : nullptr;
}

AttributeMap::Attribute& AttributeMap::prepare() {
    if (size_ == attributes_.size()) attributes_.emplace_back();
    Attribute& attribute = attributes_[size_];
    attribute.first.clear();
    attribute.second.clear();
    return attribute;
}

void AttributeMap::finish() {
    const auto first = attributes_.begin();
    const auto last = first + static_cast<std::ptrdiff_t>(size_);
    const auto byName = [](const Attribute& a, const Attribute& b) { return a.first < b.first; };
    // A stable order keeps the first value of a repeated name in front.
    // Most tags have a handful of attributes: sorting those in place spares
    // the buffer stable_sort allocates.
    constexpr std::size_t kFew = 16;
    if (size_ <= kFew) {
        for (auto i = first; i != last; ++i)
            for (auto j = i; j != first && byName(*j, *(j - 1)); --j) std::swap(*j, *(j - 1));
    } else {
        std::stable_sort(first, last, byName);
    }
    const auto kept = std::unique(
        first, last, [](const Attribute& a, const Attribute& b) { return a.first == b.first; });
    size_ = static_cast<std::size_t>(kept - first);
}

bool TagReader::parse(TagHandler& handler) {
    for (;;) {
        int c = input_.get();
        if (c == TextInput::kEnd) return true;
        bool goOn;
        if (c == '<') {
            goOn = readTag(handler);
        } else if (isWhitespace(c)) {
            continue;
        } else {
            input_.unget();
            goOn = readText(handler);
        }
        if (!goOn) return input_.atEnd();
    }
}

bool TagReader::readText(TagHandler& handler) {
    text_.clear();
    raw_.clear();
    for (;;) {
        int stop = input_.appendUntil(raw_, kTextStops);
        if (stop == TextInput::kEnd || stop == '<') break;
        input_.get();
        if (stop == '%')
            appendEscape();
        else
            appendEntity();
    }
    converter_.appendUtf8(raw_, text_);
    if (!text_.empty() && !handler.onText(text_)) return false;
    return !input_.atEnd();
}

// "%" and two hexadecimal digits give the byte of that value in the input's
// charset (nothing for %00). Anything else is ordinary text, kept as
// written: real titles hold "100% sure" and "Top 10% 2024".
void TagReader::appendEscape() {
    const int first = input_.get();
    const int second = hexDigit(first) >= 0 ? input_.get() : TextInput::kEnd;
    if (hexDigit(first) >= 0 && hexDigit(second) >= 0) {
        if (const int value = hexDigit(first) * 16 + hexDigit(second)) raw_ += static_cast<char>(value);
        return;
    }
    raw_ += '%';
    for (const int byte : {first, second}) {
        if (byte == TextInput::kEnd) break;
        if (kTextStops.contains(static_cast<unsigned char>(byte))) {
            input_.unget();  // starts something of its own; never a line end, so one byte back is exact
            break;
        }
        raw_ += static_cast<char>(byte);
    }
}

// A reference gives characters, not bytes of the input's charset: the bytes
// before it are converted first.
void TagReader::appendEntity() {
    entityName_.clear();
    int stop = input_.appendUntil(entityName_, kEntityStops);
    if (stop == ';') {
        input_.get();
        converter_.appendUtf8(raw_, text_);
        raw_.clear();
        decodeEntity(entityName_, text_);
        return;
    }
    // Not an entity after all ("Tom & Jerry"): keep it as written.
    raw_ += '&';
    raw_ += entityName_;
}

// Converts an attribute value and decodes its references; an "&" that
// starts no known one stays as it is.
void TagReader::decodeValue(std::string& value) {
    std::size_t amp = value.find('&');
    if (amp == std::string::npos) {
        converter_.convert(value);
        return;
    }
    decoded_.clear();
    std::size_t converted = 0;  // where the bytes not yet converted start
    while (amp != std::string::npos) {
        const std::size_t semicolon = referenceEnd(value, amp);
        reference_.clear();
        if (semicolon != std::string_view::npos && semicolon > amp + 1 &&
            decodeEntity(std::string_view(value).substr(amp + 1, semicolon - amp - 1), reference_)) {
            converter_.appendUtf8(std::string_view(value).substr(converted, amp - converted), decoded_);
            decoded_ += reference_;
            converted = semicolon + 1;
        }
        amp = value.find('&', std::max(amp + 1, converted));
    }
    converter_.appendUtf8(std::string_view(value).substr(converted), decoded_);
    value.swap(decoded_);
}

void TagReader::skipPastTagEnd() {
    static constexpr ByteSet kTagEnd{'>'};
    skipped_.clear();
    if (input_.appendUntil(skipped_, kTagEnd) != TextInput::kEnd) input_.get();
}

bool TagReader::readTag(TagHandler& handler) {
    name_.clear();
    int delimiter = input_.appendUntil(name_, kTagNameStops);
    if (delimiter == TextInput::kEnd || name_.empty() || name_ == "!--") {
        // Empty tags and comments are not reported: everything up to the
        // next ">" after the name goes.
        if (delimiter != TextInput::kEnd) {
            input_.get();
            skipPastTagEnd();
        }
        return true;
    }
    input_.get();
    upperCase(name_);
    attributes_.clear();
    if (delimiter != '>') readAttributes(handler);
    attributes_.finish();
    return handler.onTag(name_, attributes_) && !input_.atEnd();
}

bool TagReader::readAttributes(const TagHandler& handler) {
    for (;;) {
        int c = input_.get();
        while (isWhitespace(c)) c = input_.get();
        if (c == '>' || c == TextInput::kEnd) return true;

        AttributeMap::Attribute& attribute = attributes_.prepare();
        int delimiter;
        if (c == '"') {
            delimiter = input_.appendUntil(attribute.first, kQuotedStops);
        } else {
            input_.unget();
            delimiter = input_.appendUntil(attribute.first, kNameStops);
        }
        if (delimiter != TextInput::kEnd) input_.get();
        upperCase(attribute.first);

        if (delimiter == '=') {
            const bool wanted = handler.wantsValue(name_, attribute.first);
            const auto readValue = [&](const ByteSet& stops) {
                return wanted ? input_.appendUntil(attribute.second, stops) : input_.skipUntil(stops);
            };
            int first = input_.get();
            if (first == '"') {
                delimiter = readValue(kQuotedStops);
            } else if (first != TextInput::kEnd) {
                input_.unget();
                delimiter = readValue(kValueStops);
            } else {
                delimiter = TextInput::kEnd;
            }
            if (delimiter != TextInput::kEnd) input_.get();
            if (wanted) decodeValue(attribute.second);
        }
        if (!attribute.first.empty()) attributes_.commitPrepared();
        if (delimiter == '>' || delimiter == TextInput::kEnd) return true;
    }
}
