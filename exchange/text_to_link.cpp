#include "text_to_link.h"

#include <string>

#include "core/address_scheme.h"
#include "core/ascii_case.h"

namespace {
bool isAsciiSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

bool isMark(char c) { return c == ':' || c == '/' || c == '.'; }

// Marks count a point each; a ':' then "//" (state 0 -> 1 -> 2 -> 3) adds ten.
int addressScore(std::string_view word) {
    int score = 0, state = 0;
    for (char c : word) {
        if (!isMark(c)) continue;
        ++score;
        if (state == 0 && c == ':')
            state = 1;
        else if ((state == 1 || state == 2) && c == '/')
            ++state;
        else if (state == 1 || state == 2)
            state = 0;
    }
    return state == 3 ? score + 10 : score;
}

bool startsWithIgnoringCase(std::string_view text, std::string_view start) {
    return text.size() >= start.size() && equalsIgnoringAsciiCase(text.substr(0, start.size()), start);
}

// The address the word is, or nothing.
std::string addressOf(std::string_view word) {
    const std::string_view scheme = addressScheme(word);
    const std::string_view rest = word.substr(scheme.empty() ? 0 : scheme.size() + 1);
    if (!scheme.empty() && (rest.substr(0, 2) == "//" || (equalsIgnoringAsciiCase(scheme, "mailto") && !rest.empty())))
        return std::string(word);
    if (startsWithIgnoringCase(word, "www.") && looksLikeHostAddress(word)) return withAssumedScheme(word);
    return {};
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isAsciiSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && isAsciiSpace(text.back())) text.remove_suffix(1);
    return text;
}

// Puts a piece of text into the title, or else the description.
void place(std::string_view piece, ItemFields& fields) {
    if (!fields.title.empty() && !fields.description.empty()) return;
    piece = trimmed(piece);
    if (piece.empty()) return;
    std::string stored(piece);
    for (std::size_t at = stored.find("\r\n"); at != std::string::npos; at = stored.find("\r\n", at + 2))
        stored.replace(at, 2, "  ");
    (fields.title.empty() ? fields.title : fields.description) = std::move(stored);
}
}  // namespace

bool textToLink(std::string_view text, ItemFields& fields) {
    std::string_view remaining = text;
    if (fields.url.empty()) {
        std::string_view best;
        int bestScore = -1;
        for (std::size_t at = 0; at < text.size();) {
            while (at < text.size() && isAsciiSpace(text[at])) ++at;
            std::size_t wordEnd = at;
            while (wordEnd < text.size() && !isAsciiSpace(text[wordEnd])) ++wordEnd;
            if (wordEnd == at) break;
            std::string_view word = text.substr(at, wordEnd - at);
            if (int score = addressScore(word); score > bestScore && !addressOf(word).empty()) {
                best = word;
                bestScore = score;
            }
            at = wordEnd;
        }
        if (bestScore >= 0) {
            fields.url = addressOf(best);
            const std::size_t wordStart = static_cast<std::size_t>(best.data() - text.data());
            place(text.substr(0, wordStart), fields);
            remaining = text.substr(wordStart + best.size());
        }
    }
    place(remaining, fields);
    if (fields.title.empty()) fields.title = fields.url;
    return !fields.url.empty();
}
