#include "template_exporter.h"

#include <charconv>
#include <vector>

#include "core/address_scheme.h"
#include "core/bookmark_node.h"
#include "core/code_page.h"
#include "core/progress.h"
#include "core/unicode_text.h"
#include "html_escape.h"
#include "safe_file_name.h"
#include "template_output.h"
#include "url_export_error.h"

namespace {
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// HTML shows a character its code page lacks from a reference to it.
const MissingCharacter kCharacterReference = [](char32_t codePoint, std::string& out) {
    out += "&#";
    out += std::to_string(static_cast<std::uint32_t>(codePoint));
    out += ';';
};
// Empty: the conversion writes "?".
const MissingCharacter kQuestionMark;

bool isWebLink(const BookmarkNode* item) {
    const Link* link = item != nullptr ? item->asLink() : nullptr;
    return link != nullptr && isWebAddress(link->url);
}
}  // namespace

TemplateExporter::TemplateExporter(std::string_view templateBytes, const Folder& root, Progress* progress,
                                   std::uint64_t nodes)
    : utf8Template_(templateBytes.starts_with(kByteOrderMark)),
      reader_(readableText(templateBytes)),
      root_(root),
      progress_(progress),
      nodes_(nodes),
      ansiCodePage_(ansiCodePage()),
      oemCodePage_(oemCodePage()) {}

std::string_view TemplateExporter::readableText(std::string_view templateBytes) {
    if (!utf8Template_) return templateBytes;
    templateBytes.remove_prefix(kByteOrderMark.size());
    if (isValidUtf8(templateBytes)) return templateBytes;
    repairedText_ = repairedUtf8(templateBytes);
    return repairedText_;
}

bool TemplateExporter::stopped(const TemplateOutput& out) const { return reader_.failed() || out.failed(); }

Result TemplateExporter::run(TemplateOutput& out) {
    expand(&root_, EndOfTemplate, out);
    return reader_.result();
}

void TemplateExporter::expand(const BookmarkNode* item, TemplateKeyword event, TemplateOutput& out) {
    reader_.rewind();
    for (;;) {
        const TemplateKeyword keyword = reader_.nextKeyword(&out);
        switch (keyword) {
        case EndOfTemplate:
        case CollectionClose:
            return;
        case CollectionOpen:
            reader_.save();
            walkCollection(out);
            reader_.drop();
            break;
        case FolderOpen:
        case UrlOpen:
        case FolderStartOpen:
        case FolderEndOpen:
            // Another event's section is left out whole.
            if (keyword != event) reader_.skipTo(static_cast<TemplateKeyword>(keyword + 1), nullptr);
            break;
        case WebLinkOpen:
        case NoWebLinkOpen:
            // Only a web address may become a link that a reader of the page
            // can click: a script address there would run in their browser.
            if (isWebLink(item) != (keyword == WebLinkOpen))
                reader_.skipTo(static_cast<TemplateKeyword>(keyword + 1), nullptr);
            break;
        case FolderClose:
        case UrlClose:
        case FolderStartClose:
        case FolderEndClose:
        case LineBreakClose:
        case WebLinkClose:
        case NoWebLinkClose:
            break;
        case LineBreakOpen:
            readLineBreakText();
            break;
        case FileNameOpen:
            expandFileName(item, out);
            break;
        case FileNameClose:
            if (inFileName_) return;
            break;
        case AnsiSetting: oem_ = false; break;
        case OemSetting: oem_ = true; break;
        case HtmlSetting: html_ = true; break;
        case PlainSetting: html_ = false; break;
        default:
            writeValue(keyword, item, out);
            break;
        }
    }
}

// Depth first over the whole tree, one expansion per event. Iterative, so a
// deeply nested tree does not use the stack up.
void TemplateExporter::walkCollection(TemplateOutput& out) {
    constexpr std::int64_t kNodesBetweenReports = 1024;
    struct OpenFolder {
        ChildPosition next;
        std::int64_t parentIdOutside;
    };
    std::vector<OpenFolder> open;

    ++level_;
    expand(nullptr, FolderStartOpen, out);
    open.push_back({root_.childrenBegin(), parentId_});
    while (!open.empty() && !stopped(out)) {
        if (open.back().next.isEnd()) {
            expand(nullptr, FolderEndOpen, out);
            --level_;
            parentId_ = open.back().parentIdOutside;
            open.pop_back();
            continue;
        }
        const BookmarkNode* child = open.back().next.node();
        ++open.back().next;
        ++counter_;
        if (progress_ && counter_ % kNodesBetweenReports == 0) progress_->advance(static_cast<std::uint64_t>(counter_), nodes_);
        if (const Folder* folder = child->asFolder()) {
            expand(child, FolderOpen, out);
            const std::int64_t outside = parentId_;
            parentId_ = counter_;
            ++level_;
            expand(nullptr, FolderStartOpen, out);
            open.push_back({folder->childrenBegin(), outside});
        } else {
            expand(child, UrlOpen, out);
        }
    }
}

void TemplateExporter::expandFileName(const BookmarkNode* item, TemplateOutput& out) {
    reader_.save();
    const bool wasInFileName = inFileName_;
    inFileName_ = true;
    std::string name;
    {
        TemplateOutput buffer(name, utf8Template_ ? 0 : ansiCodePage_);
        expand(item, EndOfTemplate, buffer);
    }
    reader_.drop();
    inFileName_ = wasInFileName;

    SafeFileName(name);
    if (inFileName_) {
        out.write(name);  // part of the enclosing name, still UTF-8
        return;
    }
    // The name itself is not escaped while it is built, but once finished it
    // is text of the page like any value; a file name holds no references.
    std::string_view text = name;
    if (escapesHtml()) {
        escapedScratch_.clear();
        TemplateOutput escaped(escapedScratch_);
        writeHtmlEscaped(name, escaped);
        text = escapedScratch_;
    }
    out.write(encoded(text, false, encodedScratch_));
}

void TemplateExporter::readLineBreakText() {
    std::string text;
    TemplateOutput buffer(text);
    reader_.skipTo(LineBreakClose, &buffer);
    lineBreakText_ = std::move(text);
    if (utf8Template_ || isAscii(lineBreakText_) || !codePageToUtf8(ansiCodePage_, lineBreakText_, lineBreakUtf8_))
        lineBreakUtf8_ = lineBreakText_;
}

void TemplateExporter::writeValue(TemplateKeyword keyword, const BookmarkNode* item, TemplateOutput& out) {
    switch (keyword) {
    case LinkValue:
        if (const Link* link = item != nullptr ? item->asLink() : nullptr) writeText(link->url, out);
        break;
    case TitleValue:
        if (item != nullptr) writeText(item->title, out);
        break;
    case NoteValue:
        if (item != nullptr) writeNote(item->description, out);
        break;
    case IdValue: writeNumber(counter_, out); break;
    case ParentIdValue: writeNumber(parentId_, out); break;
    case LevelValue: writeNumber(level_, out); break;
    // ASCII, which neither conversion nor escaping changes.
    case NewLineValue: out.write('\n'); break;
    case TabValue: out.write('\t'); break;
    case LeftBraceValue: out.write('{'); break;
    case RightBraceValue: out.write('}'); break;
    default: break;
    }
}

std::string_view TemplateExporter::encoded(std::string_view text, bool references, std::string& scratch) const {
    if (utf8Template_ || isAscii(text)) return text;
    const unsigned codePage = oem_ ? oemCodePage_ : ansiCodePage_;
    const MissingCharacter& missing = references ? kCharacterReference : kQuestionMark;
    if (utf8ToCodePage(codePage, text, scratch, nullptr, missing)) return scratch;
    // A code page this system cannot convert to holds ASCII at least.
    scratch.clear();
    decodeUtf8(text, [&](char32_t codePoint) {
        if (codePoint < 0x80)
            scratch += static_cast<char>(codePoint);
        else if (references)
            kCharacterReference(codePoint, scratch);
        else
            scratch += '?';
    });
    return scratch;
}

void TemplateExporter::writeText(std::string_view value, TemplateOutput& out) {
    // Values are UTF-8, as a file name is built and as a UTF-8 template writes.
    const bool asItIs = inFileName_ || utf8Template_ || isAscii(value);
    if (!escapesHtml()) {
        out.write(asItIs ? value : encoded(value, false, encodedScratch_));
    } else if (asItIs) {
        writeHtmlEscaped(value, out);
    } else {
        // Escaped first: the references for what the code page lacks are markup.
        escapedScratch_.clear();
        TemplateOutput escaped(escapedScratch_);
        writeHtmlEscaped(value, escaped);
        out.write(encoded(escapedScratch_, true, encodedScratch_));
    }
}

// The line-break text as it stands in the template, where the output is in
// the template's own encoding.
std::string_view TemplateExporter::lineBreakText() {
    if (inFileName_) return lineBreakUtf8_;
    if (utf8Template_ || !oem_) return lineBreakText_;
    return encoded(lineBreakUtf8_, escapesHtml(), lineBreakScratch_);
}

// Each CR LF, lone CR and lone LF of the description becomes the line-break
// text, which is markup of the template's own and so is never escaped.
void TemplateExporter::writeNote(std::string_view description, TemplateOutput& out) {
    const std::string_view lineBreak = lineBreakText();
    std::size_t start = 0;
    for (std::size_t i = 0; i < description.size(); ++i) {
        const char c = description[i];
        if (c != '\r' && c != '\n') continue;
        writeText(description.substr(start, i - start), out);
        out.write(lineBreak);
        if (c == '\r' && i + 1 < description.size() && description[i + 1] == '\n') ++i;
        start = i + 1;
    }
    writeText(description.substr(start), out);
}

void TemplateExporter::writeNumber(std::int64_t number, TemplateOutput& out) {
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, number);
    out.write(std::string_view(digits, static_cast<std::size_t>(result.ptr - digits)));
}
