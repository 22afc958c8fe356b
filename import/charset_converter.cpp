#include "charset_converter.h"

unsigned CharsetConverter::codePageForCharset(const std::string& name) {
    if (!codePages_.available()) return 0;
    std::string completed = name;
    if (completed.size() >= 4 && completed[3] != '-' && completed.compare(0, 3, "utf") == 0)
        completed.insert(3, 1, '-');
    return codePages_.find(completed);
}

void CharsetConverter::setCharset(const std::string& name) {
    conversion_.reset();
    unsigned codePage = codePageForCharset(name);
    if (codePage == 0 || codePage == ansiCodePage()) return;
    auto conversion = std::make_unique<CodePageConversion>(codePage);
    if (conversion->available()) conversion_ = std::move(conversion);
}

void CharsetConverter::convert(std::string& text) {
    if (!conversion_ || text.empty()) return;
    const std::size_t inputSize = text.size();
    // A failed conversion leaves the text as it was.
    if (!conversion_->convert(text)) return;
    // The converted text lives in a buffer the size of the input.
    if (text.size() > inputSize) text.resize(inputSize);
}
