#pragma once

#include <string_view>

class TemplateOutput;

// Writes `text` with & < > and the double quote as HTML character references,
// so that it can stand in element text and in quoted attribute values.
void writeHtmlEscaped(std::string_view text, TemplateOutput& out);
