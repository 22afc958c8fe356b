#include "netscape_importer.h"

#include <cstring>
#include <string_view>
#include <utility>

#include "core/address_scheme.h"
#include "core/ascii_case.h"

namespace {
char upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

std::string upperCased(std::string text) {
    for (char& c : text) c = upper(c);
    return text;
}

bool isAsciiWhitespace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

// `source` with each run of blanks folded to one space, into `text`.
void normalizeInto(std::string_view source, std::string& text) {
    text.clear();
    for (std::size_t at = 0; at < source.size();) {
        std::size_t blank = at;
        while (blank < source.size() && !isAsciiWhitespace(source[blank])) ++blank;
        text.append(source, at, blank - at);
        if (blank == source.size()) break;
        if (text.empty() || text.back() != ' ') text += ' ';
        at = blank + 1;
    }
}
}  // namespace

NetscapeImporter::NetscapeImporter(const std::string& path)
    : opened_(file_.open(path)), path_(path), reader_(file_) {
    // Internet Explorer marks its UTF-8 exports this way and declares nothing.
    if (reader_.skipUtf8Mark()) reader_.setCharset("UTF-8");
}

ItemCode NetscapeImporter::next() {
    url_.clear();
    title_.clear();
    description_.clear();
    if (pendingEnd_) {
        pendingEnd_ = false;
        return ItemCode::EndOfFolder;
    }
    pendingCode_ = ItemCode::EndOfFolder;
    reader_.parse(*this);
    return pendingCode_;
}

Result NetscapeImporter::result() const {
    if (!opened_) return opened_;
    if (file_.failed()) return Result::failure(ResultStatus::ReadFailed, path_);
    return {};
}

void NetscapeImporter::folder(ItemFields& fields) {
    normalizeInto(title_, fields.title);
    if (fields.title.empty()) fields.title = "Folder" + std::to_string(++unnamedFolderCount_);
    normalizeInto(description_, fields.description);
    title_.clear();
    description_.clear();
}

void NetscapeImporter::link(ItemFields& fields) {
    fields.url = url_;
    normalizeInto(title_, fields.title);
    normalizeInto(description_, fields.description);
    if (fields.title.empty()) fields.title = fields.url;
    title_.clear();
    description_.clear();
    url_.clear();
}

bool NetscapeImporter::onText(const std::string& text) {
    if (textTarget_ == TextTarget::Title)
        title_ += text;
    else if (textTarget_ == TextTarget::Description)
        description_ += text;
    return true;
}

void NetscapeImporter::open(Flag flag) {
    flags_ |= flag;
    textTarget_ = flag == InDescription ? TextTarget::Description : TextTarget::Title;
}

void NetscapeImporter::close(Flag flag) {
    textTarget_ = TextTarget::None;
    if (flag == InList)
        flags_ = listDepth_ <= 0 ? 0 : InList;
    else
        flags_ &= ~static_cast<unsigned>(flag);
}

bool NetscapeImporter::onTag(const std::string& name, const AttributeMap& attributes) {
    if (name == "DT") {
        // Exports without a list around the top level (Safari) would
        // otherwise never open their first folder.
        if (listDepth_ == -1) listDepth_ = 0;
        if (pendingCode_ != ItemCode::LinkItem) {
            // What a rejected anchor left behind is no part of the next item.
            title_.clear();
            description_.clear();
        }
        close(InTerm);
        open(InTerm);
        return pendingCode_ != ItemCode::LinkItem;
    }
    if (name == "DD") {
        close(InDescription);
        open(InDescription);
        return true;
    }
    if (name == "DL") {
        if (++listDepth_ > 0) {
            open(InList);
            pendingCode_ = ItemCode::FolderItem;
            return false;
        }
        return true;
    }
    if (name == "A") {
        // An anchor inside a description (a thumbnail, a "via" link) is part
        // of that text: it must not replace the address of the link it
        // describes.
        if (textTarget_ == TextTarget::Description) return true;
        const std::string* href = attributes.find("HREF");
        if (href && resolveHref(*href, url_)) {
            open(InAnchor);
            pendingCode_ = ItemCode::LinkItem;
        } else if (href && equalsIgnoringAsciiCase(addressScheme(*href), "place")) {
            ++skipped_.queries;
        } else {
            ++skipped_.withoutAddress;
        }
        return true;
    }
    if (name == "/DT") {
        close(InTerm);
        return true;
    }
    if (name == "/DD") {
        close(InDescription);
        return true;
    }
    if (name == "/DL") {
        int depth = listDepth_--;
        if (depth > 0) {
            close(InList);
            pendingEnd_ = pendingCode_ != ItemCode::EndOfFolder;
            return false;
        }
        return true;
    }
    if (name == "/A") {
        if (textTarget_ == TextTarget::Description) return true;
        close(InAnchor);
        // An anchor outside a term is complete here; one whose address was
        // rejected has nothing to deliver and must not end the folder.
        return (flags_ & InTerm) || pendingCode_ != ItemCode::LinkItem;
    }
    if (name == "BASE") {
        if (const std::string* href = attributes.find("HREF")) baseUrl_ = *href;
        return true;
    }
    if (name == "META") {
        readCharsetDeclaration(attributes);
        return true;
    }
    if (name == "!DOCTYPE") {
        for (const auto& attribute : attributes)
            if (attribute.first.compare(0, 22, "NETSCAPE-BOOKMARK-FILE") == 0) listDepth_ = -1;
        return true;
    }
    return true;
}

bool NetscapeImporter::wantsValue(const std::string& tag, const std::string& name) const {
    return name == "HREF" || tag == "META";
}

void NetscapeImporter::readCharsetDeclaration(const AttributeMap& attributes) {
    // The HTML5 form: <META CHARSET="UTF-8">.
    if (const std::string* charset = attributes.find("CHARSET")) {
        reader_.setCharset(upperCased(*charset));
        return;
    }
    const std::string* equiv = attributes.find("HTTP-EQUIV");
    const std::string* content = attributes.find("CONTENT");
    if (!equiv || !content || upperCased(*equiv) != "CONTENT-TYPE") return;
    const std::string value = upperCased(*content);
    std::size_t start = value.find("CHARSET=");
    if (start == std::string::npos) return;
    start += std::strlen("CHARSET=");
    reader_.setCharset(value.substr(start, value.find(' ', start) - start));
}

bool NetscapeImporter::resolveHref(const std::string& value, std::string& address) const {
    const std::size_t mark = value.find_first_of(":./");
    if (mark == 0 && value[0] == '/') return false;  // from the root of a host the base may not name
    const bool hasScheme = mark != std::string::npos && value[mark] == ':';
    // Only a base with a host part ("http://...") resolves a relative
    // address: javascript: and other opaque bases resolve nothing.
    if (!hasScheme && baseUrl_.compare(addressScheme(baseUrl_).size(), 3, "://") != 0) return false;
    // The base comes from the same untrusted file: only the whole address counts.
    std::string resolved = hasScheme ? value : baseUrl_ + value;
    const std::string_view scheme = addressScheme(resolved);
    // Every real bookmark comes in (ftp:, file:, mailto:, javascript:, ...);
    // opening asks first where it must. Firefox's place: queries mean
    // nothing outside it.
    if (scheme.empty() || equalsIgnoringAsciiCase(scheme, "place")) return false;
    address = std::move(resolved);
    return true;
}
