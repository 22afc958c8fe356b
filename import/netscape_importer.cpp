#include "netscape_importer.h"

#include <cstring>
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

// Runs of blanks folded to single spaces.
std::string normalizeText(const std::string& source) {
    std::string text;
    text.reserve(source.size());
    for (char c : source) {
        if (isAsciiWhitespace(c)) {
            if (!text.empty() && text.back() == ' ') continue;
            c = ' ';
        }
        text += c;
    }
    return text;
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
    fields.title = normalizeText(title_);
    if (fields.title.empty()) fields.title = "Folder" + std::to_string(++unnamedFolderCount_);
    fields.description = normalizeText(description_);
    title_.clear();
    description_.clear();
}

void NetscapeImporter::link(ItemFields& fields) {
    fields.url = url_;
    fields.title = normalizeText(title_);
    fields.description = normalizeText(description_);
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
