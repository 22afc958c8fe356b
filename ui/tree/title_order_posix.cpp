#include "title_order.h"

#include <string>

#include "core/case_fold.h"
#include "core/unicode_text.h"

namespace {
// Sorting runs on the window's thread only: the buffers are reused.
const std::u32string& folded(std::string_view title, std::u32string& into) {
    into.clear();
    decodeUtf8(title, [&](char32_t codePoint) { into += foldedCase(codePoint); });
    return into;
}
}  // namespace

int compareTitles(std::string_view a, std::string_view b) {
    static std::u32string left, right;
    const int order = folded(a, left).compare(folded(b, right));
    return order < 0 ? -1 : order > 0 ? 1 : 0;
}
