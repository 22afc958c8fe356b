#include "opera_importer.h"

#include "core/address_scheme.h"

namespace {
bool isBlank(char c) { return c == ' ' || c == '\t'; }

// Real hotlists end records with lines of blanks too.
bool isEmptyLine(const std::string& line) {
    for (char c : line)
        if (!isBlank(c) && c != '\r') return false;
    return true;
}

std::string withoutBlanksAround(const std::string& text) {
    std::size_t first = 0, last = text.size();
    while (first < last && isBlank(text[first])) ++first;
    while (last > first && isBlank(text[last - 1])) --last;
    return text.substr(first, last - first);
}

// A marker line names the record kind alone; trailing blanks (seen in real
// hotlists) and a stray CR do not make it another line.
bool isMarker(const std::string& line, const char* marker) {
    std::size_t end = line.size();
    while (end > 0 && (isBlank(line[end - 1]) || line[end - 1] == '\r')) --end;
    return line.compare(0, end, marker) == 0 && std::char_traits<char>::length(marker) == end;
}

// A line that starts the next record or closes a folder.
bool isStructureLine(const std::string& line) { return (!line.empty() && line[0] == '#') || isMarker(line, "-"); }
}  // namespace

bool splitKeyValue(const std::string& line, char separator, std::string& key, std::string& value) {
    std::size_t start = 0;
    while (start < line.size() && isBlank(line[start])) ++start;
    if (start == line.size()) return false;
    std::size_t at = line.find(separator, start);
    if (at == std::string::npos) return false;
    key.assign(line, start, at - start);
    for (char& c : key)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    value.assign(line, at + 1);
    return true;
}

OperaImporter::OperaImporter(const std::string& path) : path_(path), input_(path) {
    // A byte-order mark says UTF-8 unless the header names another encoding.
    if (input_.skipUtf8Mark()) converter_.setCharset("UTF-8");
    readHeader();
}

void OperaImporter::readHeader() {
    bool isHotlist = false;
    bool started = false;
    std::string key, value;
    while (input_.readLine(line_)) {
        if (isEmptyLine(line_)) {
            // Empty lines before the header are not its end.
            if (started) break;
            continue;
        }
        started = true;
        if (line_[0] == '#') {
            // A record right after the header, without the empty line.
            pendingLine_ = true;
            break;
        }
        if (line_.find("Opera Hotlist") != std::string::npos) {
            isHotlist = true;
            continue;
        }
        if (splitKeyValue(line_, ':', key, value) && key == "OPTIONS") readOptions(value);
    }
    if (!isHotlist) {
        pendingLine_ = false;
        recognized_ = false;
        input_.close();
    }
}

Result OperaImporter::result() const {
    if (!input_.result()) return input_.result();
    if (!recognized_) return Result::failure(ResultStatus::NotRecognized, path_);
    return {};
}

void OperaImporter::readOptions(const std::string& options) {
    std::string key, value;
    std::size_t start = 0;
    for (;;) {
        std::size_t comma = options.find(',', start);
        std::string part = options.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        // Opera writes "encoding = utf8" with blanks around the "=".
        if (splitKeyValue(part, '=', key, value) && withoutBlanksAround(key) == "ENCODING")
            converter_.setCharset(withoutBlanksAround(value));
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
}

bool OperaImporter::readLine() {
    if (pendingLine_) {
        pendingLine_ = false;
        return true;
    }
    return input_.readLine(line_);
}

ItemCode OperaImporter::next() {
    while (readLine()) {
        if (isMarker(line_, "#FOLDER")) {
            ++depth_;
            record_ = {};
            readRecord(record_, false);
            return ItemCode::FolderItem;
        }
        if (isMarker(line_, "#URL")) {
            record_ = {};
            readRecord(record_, true);
            // As in bookmark files: an address needs a scheme of two or more characters.
            if (!addressScheme(record_.url).empty()) return ItemCode::LinkItem;
            ++skipped_.withoutAddress;
            continue;
        }
        if (isMarker(line_, "-") && depth_ > 0) {
            --depth_;
            return ItemCode::EndOfFolder;
        }
    }
    return ItemCode::EndOfFolder;
}

void OperaImporter::folder(ItemFields& fields) { fields = std::move(record_); }

void OperaImporter::link(ItemFields& fields) { fields = std::move(record_); }

void OperaImporter::readRecord(ItemFields& fields, bool isLink) {
    std::string key, value;
    while (input_.readLine(line_) && !isEmptyLine(line_)) {
        // A record not ended by an empty line ends where the next begins.
        if (isStructureLine(line_)) {
            pendingLine_ = true;
            return;
        }
        converter_.convert(line_);
        if (!splitKeyValue(line_, '=', key, value)) continue;
        if (key == "NAME")
            fields.title = value;
        else if (key == "DESCRIPTION")
            fields.description = value;
        else if (key == "URL" && isLink)
            fields.url = value;
    }
}
