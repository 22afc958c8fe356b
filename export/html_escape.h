#pragma once

#include <string_view>

class TemplateOutput;

// Writes `text` with & < > and both quotes as HTML character references, so
// that it can stand in element text and in attribute values quoted either way.
void writeHtmlEscaped(std::string_view text, TemplateOutput& out);
