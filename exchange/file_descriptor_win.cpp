#include "file_descriptor_win.h"

#include <shlobj.h>

#include <cstring>

#include "core/code_page.h"
#include "core/unicode_text.h"
#include "core/wide_text_win.h"
#include "exchange/global_block_win.h"
#include "export/safe_file_name.h"

static_assert(sizeof(FILEGROUPDESCRIPTORA) == 336, "a one-file descriptor is 336 bytes");
static_assert(sizeof(FILEGROUPDESCRIPTORW) == 596, "a one-file wide descriptor is 596 bytes");

namespace {
const std::string_view kExtension = ".url";
// The name and its extension leave room for the terminating NUL.
constexpr std::size_t kMaxStem = MAX_PATH - 1 - 4;

std::wstring wideName(const std::string& stem) {
    std::wstring name = wideText(stem);
    if (name.size() > kMaxStem) {
        name.resize(kMaxStem);
        if (IS_HIGH_SURROGATE(name.back())) name.pop_back();
    }
    return name + wideText(kExtension);
}

// Character by character, so that a cut never splits a double-byte one.
std::string ansiName(const std::string& stem) {
    const auto underscore = [](char32_t, std::string& out) { out += '_'; };
    std::string name, character, converted;
    bool full = false;
    decodeUtf8(stem, [&](char32_t codePoint) {
        if (full) return;
        character.clear();
        converted.clear();
        appendUtf8(character, codePoint);
        utf8ToCodePage(ansiCodePage(), character, converted, nullptr, underscore);
        full = name.size() + converted.size() > kMaxStem;
        if (!full) name += converted;
    });
    return name.append(kExtension);
}

// Only the attributes are declared valid; the other fields stay zero.
template <class Group>
HGLOBAL descriptorBlock(const void* name, std::size_t nameBytes) {
    Group group;
    std::memset(&group, 0, sizeof group);
    group.cItems = 1;
    group.fgd[0].dwFlags = FD_ATTRIBUTES;
    group.fgd[0].dwFileAttributes = FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NORMAL;
    std::memcpy(group.fgd[0].cFileName, name, nameBytes);
    return globalBlock(&group, sizeof group);
}
}  // namespace

HGLOBAL shortcutDescriptorBlock(std::string title, DescriptorName form) {
    if (title.empty()) return nullptr;
    const std::string& stem = SafeFileName(title);
    if (form == DescriptorName::Wide) {
        const std::wstring name = wideName(stem);
        return descriptorBlock<FILEGROUPDESCRIPTORW>(name.data(), name.size() * sizeof(wchar_t));
    }
    const std::string name = ansiName(stem);
    return descriptorBlock<FILEGROUPDESCRIPTORA>(name.data(), name.size());
}
