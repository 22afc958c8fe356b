#include "template_reader.h"

#include <cstring>

#include "template_output.h"
#include "url_export_error.h"

namespace {
// Bytes that end a keyword name or may do so.
constexpr bool isSpecial(char c) { return c == '{' || c == '}' || c == '\n' || c == '\r'; }

bool isLineBreakAt(const char* p, const char* end) {
    return *p == '\n' || (*p == '\r' && p + 1 != end && p[1] == '\n');
}

// Whether literal text ends at `p`: a keyword or a line break starts there.
bool endsLiteral(const char* p, const char* end) { return *p == '{' || isLineBreakAt(p, end); }

// The line break at `p` (LF or CR LF): the byte after it.
const char* skipLineBreak(const char* p) { return *p == '\r' ? p + 2 : p + 1; }

// Larger templates are read without remembering keywords and runs (six bytes a byte).
constexpr std::size_t kMaxRememberedSize = std::size_t{1} << 20;
constexpr std::uint32_t kRunHasLineBreaks = 0x80000000u;
}  // namespace

TemplateReader::TemplateReader(std::string_view bytes) : bytes_(bytes) {
    if (bytes.size() <= kMaxRememberedSize) {
        knownKeywords_.assign(bytes.size(), 0);
        knownRuns_.assign(bytes.size(), 0);
    }
    save();
}

TemplateKeyword TemplateReader::fail(std::int32_t code, std::int32_t line) {
    if (result_) result_ = Result::templateMistake(code, line);
    return EndOfTemplate;
}

TemplateKeyword TemplateReader::nextKeyword(TemplateOutput* out) {
    if (failed()) return EndOfTemplate;
    if (depth_ == 0) return fail(UrlExport::NoSavedPosition, 0);
    const char* const begin = bytes_.data();
    const char* const end = begin + bytes_.size();
    const char* p = begin + offset_;

    // A run read before: its pieces between line breaks up to its "{".
    const std::uint32_t known = offset_ < knownRuns_.size() ? knownRuns_[offset_] : 0;
    if (known != 0) {
        const char* stop = begin + ((known & ~kRunHasLineBreaks) - 1);
        if (known & kRunHasLineBreaks) {
            // Only LF and CR LF break a line; a lone CR is text.
            while (const char* lineFeed =
                       static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(stop - p)))) {
                const char* pieceEnd = lineFeed != p && lineFeed[-1] == '\r' ? lineFeed - 1 : lineFeed;
                if (out != nullptr && pieceEnd != p)
                    out->writeLiteral(std::string_view(p, static_cast<std::size_t>(pieceEnd - p)));
                ++line_;
                p = lineFeed + 1;
            }
        }
        if (out != nullptr && stop != p) out->writeLiteral(std::string_view(p, static_cast<std::size_t>(stop - p)));
        if (stop == end) {
            offset_ = bytes_.size();
            return EndOfTemplate;
        }
        return readKeyword(stop);
    }

    const std::size_t runStart = offset_;
    bool hasLineBreaks = false;
    for (;;) {
        const char* run = p;
        while (p != end && !endsLiteral(p, end)) ++p;
        if (out != nullptr && p != run) out->writeLiteral(std::string_view(run, static_cast<std::size_t>(p - run)));
        if (p == end || *p == '{') break;
        hasLineBreaks = true;
        ++line_;
        p = skipLineBreak(p);
    }
    if (runStart < knownRuns_.size())
        knownRuns_[runStart] = static_cast<std::uint32_t>(p - begin + 1) | (hasLineBreaks ? kRunHasLineBreaks : 0);
    if (p == end) {
        offset_ = bytes_.size();
        return EndOfTemplate;
    }
    return readKeyword(p);
}

TemplateKeyword TemplateReader::readKeyword(const char* brace) {
    const std::size_t braceOffset = static_cast<std::size_t>(brace - bytes_.data());
    if (braceOffset < knownKeywords_.size() && knownKeywords_[braceOffset] != 0) {
        const std::size_t length = knownKeywords_[braceOffset] & 0xFF;
        keywordText_ = std::string_view(brace, length);
        offset_ = braceOffset + length;
        return static_cast<TemplateKeyword>(knownKeywords_[braceOffset] >> 8);
    }
    const std::int32_t lineBefore = line_;
    const TemplateKeyword keyword = parseKeyword(brace);
    if (line_ == lineBefore && braceOffset < knownKeywords_.size() && !failed())
        knownKeywords_[braceOffset] = static_cast<std::uint16_t>(keyword << 8 | keywordText_.size());
    return keyword;
}

TemplateKeyword TemplateReader::parseKeyword(const char* brace) {
    const char* const end = bytes_.data() + bytes_.size();
    const char* p = brace + 1;
    bool splitOverLines = false;
    for (;; ++p) {
        if (p == end) return fail(UrlExport::KeywordNotClosed, line_);
        if (!isSpecial(*p)) continue;
        if (*p == '}') break;
        if (*p == '{') return fail(UrlExport::KeywordNotClosed, line_);
        if (isLineBreakAt(p, end)) {
            ++line_;
            splitOverLines = true;
            if (*p == '\r') ++p;
        }
    }
    const char* const afterKeyword = p + 1;
    offset_ = static_cast<std::size_t>(afterKeyword - bytes_.data());
    if (!splitOverLines) {
        keywordText_ = std::string_view(brace, static_cast<std::size_t>(afterKeyword - brace));
    } else {
        foldedKeyword_.clear();
        for (const char* q = brace; q != afterKeyword;) {
            if (isLineBreakAt(q, end)) {
                q = skipLineBreak(q);
            } else {
                foldedKeyword_ += *q++;
            }
        }
        keywordText_ = foldedKeyword_;
    }
    const TemplateKeyword keyword = lookupKeyword(keywordText_.substr(1, keywordText_.size() - 2));
    if (keyword == EndOfTemplate) return fail(UrlExport::UnknownKeyword, line_);
    return keyword;
}

void TemplateReader::skipTo(TemplateKeyword closing, TemplateOutput* out) {
    const bool remembered = out == nullptr && depth_ != 0 && !failed();
    if (remembered) {
        for (const KnownSkip& skip : knownSkips_) {
            if (skip.from != offset_ || skip.closing != closing) continue;
            offset_ = skip.to;
            line_ += skip.lines;
            keywordText_ = bytes_.substr(skip.to - skip.closingLength, skip.closingLength);
            return;
        }
    }
    const std::size_t from = offset_;
    const std::int32_t lineBefore = line_;
    skipReading(closing, out);
    // A closing keyword split over lines is not in the bytes as it reads.
    const bool closedOnOneLine = keywordText_.data() != foldedKeyword_.data();
    if (remembered && !failed() && closedOnOneLine && knownSkips_.size() < kMaxKnownSkips)
        knownSkips_.push_back({from, closing, offset_, line_ - lineBefore, keywordText_.size()});
}

void TemplateReader::skipReading(TemplateKeyword closing, TemplateOutput* out) {
    for (;;) {
        const TemplateKeyword keyword = nextKeyword(out);
        if (keyword == closing || failed()) return;
        if (keyword == EndOfTemplate) {
            fail(UrlExport::ClosingKeywordMissing, line_);
            return;
        }
        if (out != nullptr) out->write(keywordText_);
    }
}

void TemplateReader::save() {
    if (depth_ == kMaxSavedPositions) {
        fail(UrlExport::NestingTooDeep, line_);
        return;
    }
    saved_[depth_++] = Position{offset_, line_};
}

void TemplateReader::drop() {
    if (depth_ == 0) {
        fail(UrlExport::NoSavedPosition, 0);
        return;
    }
    --depth_;
}

void TemplateReader::rewind() {
    if (depth_ == 0) return;
    offset_ = saved_[depth_ - 1].offset;
    line_ = saved_[depth_ - 1].line;
}
