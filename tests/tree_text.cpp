#include "tree_text.h"

#include <cstdio>

#include "core/collection.h"

namespace {
std::string escaped(std::string_view text) {
    std::string out;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F || std::string_view("\\\",<>{}").find(c) != std::string_view::npos) {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02X", byte);
            out += hex;
        } else {
            out += c;
        }
    }
    return out;
}

void append(std::string& out, const Folder& folder) {
    out += folderLabel(folder.title, folder.description) + "{";
    for (ChildPosition p = folder.childrenBegin(); !p.isEnd(); ++p) {
        if (p != folder.childrenBegin()) out += ", ";
        if (const Link* link = p.node()->asLink())
            out += linkText(link->title, link->description, link->url);
        else
            append(out, *p.node()->asFolder());
    }
    out += "}";
}

// Reads the notation back, one node at a time.
class TreeParser {
public:
    TreeParser(Collection& collection, std::string_view text) : c_(collection), text_(text) {}

    // One node: its label, then its children in braces or its address. The root when `parent` is null.
    void parse(Folder* parent) {
        const std::string title = until("\"{<,}");
        std::string description;
        if (peek() == '"') {
            ++at_;
            description = until("\"");
            expect('"');
            expect(' ');
        }
        BookmarkNode* node = &c_;
        if (peek() == '<') {
            ++at_;
            node = c_.appendLink(parent).node();
            c_.setUrl(node->asLink(), until(">"));
            expect('>');
        } else {
            if (parent) node = c_.appendFolder(parent).node();
            expect('{');
            while (peek() != '}' && peek() != '\0') {
                parse(node->asFolder());
                if (peek() == ',') at_ += 2;
            }
            expect('}');
        }
        c_.setTitle(node, title);
        c_.setDescription(node, description);
    }

private:
    char peek() const { return at_ < text_.size() ? text_[at_] : '\0'; }
    void expect(char c) { at_ += peek() == c; }
    // The unescaped text up to one of `stops`, without the blank before a quote or bracket.
    std::string until(std::string_view stops) {
        std::string out;
        while (at_ < text_.size() && stops.find(text_[at_]) == std::string_view::npos) {
            if (text_.substr(at_, 2) == "\\x") {
                out += static_cast<char>(std::stoi(std::string(text_.substr(at_ + 2, 2)), nullptr, 16));
                at_ += 4;
            } else {
                out += text_[at_++];
            }
        }
        if (!out.empty() && out.back() == ' ' && (peek() == '"' || peek() == '<')) out.pop_back();
        return out;
    }

    Collection& c_;
    std::string_view text_;
    std::size_t at_ = 0;
};
}  // namespace

std::string folderLabel(std::string_view title, std::string_view description) {
    return escaped(title) + (description.empty() ? "" : " \"" + escaped(description) + "\"");
}

std::string linkText(std::string_view title, std::string_view description, std::string_view url) {
    const std::string label = folderLabel(title, description);
    return label + (label.empty() ? "<" : " <") + escaped(url) + ">";
}

std::string treeText(const Folder& root) {
    std::string out;
    append(out, root);
    return out;
}

void buildTree(Collection& collection, std::string_view text) {
    collection.clear();
    TreeParser(collection, text).parse(nullptr);
}
