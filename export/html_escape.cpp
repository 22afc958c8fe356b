#include "html_escape.h"

#include <array>

#include "template_output.h"

namespace {
// The reference for each byte that needs one; empty for all others.
constexpr std::array<std::string_view, 256> kReferences = [] {
    std::array<std::string_view, 256> references{};
    references['&'] = "&amp;";
    references['<'] = "&lt;";
    references['>'] = "&gt;";
    references['"'] = "&quot;";
    references['\''] = "&#39;";
    return references;
}();
}  // namespace

void writeHtmlEscaped(std::string_view text, TemplateOutput& out) {
    std::size_t runStart = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::string_view reference = kReferences[static_cast<unsigned char>(text[i])];
        if (reference.empty()) continue;
        out.write(text.substr(runStart, i - runStart));
        out.write(reference);
        runStart = i + 1;
    }
    out.write(text.substr(runStart));
}
