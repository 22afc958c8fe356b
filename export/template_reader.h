#pragma once

// Turns a template into literal text and keyword numbers.
//
// The template's bytes are held in memory and read the way a text-mode file
// would be: a CR LF pair is one line feed, a lone CR an ordinary byte. Line
// feeds never reach the output; they only count lines. The reader keeps up to
// four saved positions (byte offset and line), so that the engine can read
// one stretch of the template again for every bookmark and still report the
// right line in an error.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/result.h"
#include "template_keywords.h"

class TemplateOutput;

class TemplateReader {
public:
    static constexpr int kMaxSavedPositions = 4;

    // Reads `bytes`, which must outlive the reader; the start is saved.
    explicit TemplateReader(std::string_view bytes);

    // A mistake in the template stops the reader: from then on it answers
    // EndOfTemplate and result() tells the mistake's code and line.

    // Reads on to the end of the next keyword and answers it, or
    // EndOfTemplate at the end. Literal text on the way goes to `out` (its
    // writeLiteral) when one is given. Fails with code 3 for a "{" inside a
    // keyword or the end of the template inside one, code 5 for a name not in
    // the table, code 7 when no position is saved.
    TemplateKeyword nextKeyword(TemplateOutput* out);

    // Reads up to and including the first `closing` keyword, writing literal
    // text and the raw text of every other keyword to `out` when one is given.
    // Fails with code 4 when the template ends first.
    void skipTo(TemplateKeyword closing, TemplateOutput* out);

    // Pushes the current position; code 6 when four are saved already.
    void save();
    // Pops the top saved position (the reader stays where it is); code 7 when
    // none is saved.
    void drop();
    // Goes back to the top saved position and its line; nothing when none is saved.
    void rewind();

    // The last keyword as written: braces and name, line feeds left out.
    std::string_view keywordText() const { return keywordText_; }
    std::int32_t line() const { return line_; }
    int savedCount() const { return depth_; }
    bool failed() const { return !result_; }
    // Ok, or TemplateMistake with the first mistake's code and line.
    const Result& result() const { return result_; }

private:
    struct Position {
        std::size_t offset;
        std::int32_t line;
    };

    TemplateKeyword readKeyword(const char* brace);
    TemplateKeyword parseKeyword(const char* brace);
    TemplateKeyword fail(std::int32_t code, std::int32_t line);
    void skipReading(TemplateKeyword closing, TemplateOutput* out);

    std::string_view bytes_;
    std::size_t offset_ = 0;
    std::int32_t line_ = 1;
    Position saved_[kMaxSavedPositions] = {};
    int depth_ = 0;
    std::string_view keywordText_;
    std::string foldedKeyword_;  // a keyword that was split over lines, without its line feeds
    Result result_;

    // The engine reads the same keywords again for every bookmark; a keyword
    // written on one line reads the same each time, so its number and length
    // are kept by the offset of its brace (number << 8 | length; 0: not read yet).
    std::vector<std::uint16_t> knownKeywords_;
    // Likewise for a run of literal text by the offset where it starts: the
    // offset of the "{" (or the end) that ends it, plus one, and in the top
    // bit whether it holds line breaks; 0: not read yet.
    std::vector<std::uint32_t> knownRuns_;
    // And for a section skipped without output (the engine skips the
    // sections of the other events for every bookmark): where the skip began,
    // with which closing keyword, where it ended and the lines it passed.
    struct KnownSkip {
        std::size_t from;
        TemplateKeyword closing;
        std::size_t to;
        std::int32_t lines;
        std::size_t closingLength;
    };
    static constexpr std::size_t kMaxKnownSkips = 64;
    std::vector<KnownSkip> knownSkips_;
};
