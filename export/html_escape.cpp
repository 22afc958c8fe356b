#include "html_escape.h"

#include "template_output.h"

namespace {
std::string_view referenceFor(char c) {
    switch (c) {
    case '&': return "&amp;";
    case '<': return "&lt;";
    case '>': return "&gt;";
    case '"': return "&quot;";
    default: return {};
    }
}
}  // namespace

void writeHtmlEscaped(std::string_view text, TemplateOutput& out) {
    std::size_t runStart = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::string_view reference = referenceFor(text[i]);
        if (reference.empty()) continue;
        out.write(text.substr(runStart, i - runStart));
        out.write(reference);
        runStart = i + 1;
    }
    out.write(text.substr(runStart));
}
