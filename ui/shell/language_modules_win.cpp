#include "ui/shell/language_modules.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <string_view>
#include <utility>

#include "core/ascii_case.h"
#include "core/wide_text_win.h"
#include "ui/resource_ids.h"
#include "ui/shell/ui_services.h"

namespace {
constexpr std::uint16_t kEnglish = 0x09;

// Loaded as data only: no entry point runs and nothing is imported, so a DLL
// that is not a language module cannot run code in the program.
HMODULE loadResourceModule(const std::string& path) {
    return ::LoadLibraryExW(wideText(path).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
}

bool hasDllExtension(std::string_view name) {
    return name.size() > 4 && equalsIgnoringAsciiCase(name.substr(name.size() - 4), ".dll");
}

// The whole string, read where the module holds it (a zero buffer size asks
// for its place rather than a copy).
std::string moduleString(HMODULE module, unsigned id) {
    const wchar_t* text = nullptr;
    const int length = ::LoadStringW(module, id, reinterpret_cast<LPWSTR>(&text), 0);
    return length > 0 && text ? narrowText(std::wstring_view(text, static_cast<std::size_t>(length))) : std::string();
}

struct RequiredResource {
    LPCSTR type;  // RT_..., an integer resource
    unsigned id;
};

// What the program loads from its module and cannot do without: a module
// lacking any of it would leave the program without its window (it would end
// at every start) or a dialog, so it is not offered at all. Only the display
// name may be missing; the system names the language then.
bool hasEverythingNeeded(HMODULE module) {
    for (unsigned id = IDS_APP_TITLE; id <= IDS_LAST_STRING; ++id)
        if (id != IDS_LANGUAGE_NAME && moduleString(module, id).empty()) return false;
    for (unsigned id = IDS_FIRST_EDGE_STRING; id <= IDS_LAST_EDGE_STRING; ++id)
        if (moduleString(module, id).empty()) return false;
    static const RequiredResource kResources[] = {
        {RT_MENU, IDM_MAIN},         {RT_MENU, IDM_TREE_CONTEXT},       {RT_ACCELERATOR, IDA_MAIN},
        {RT_BITMAP, IDB_TREE_IMAGES}, {RT_DIALOG, IDD_LINK},             {RT_DIALOG, IDD_FOLDER},
        {RT_DIALOG, IDD_COLLECTION_TITLE}, {RT_DIALOG, IDD_ABOUT},      {RT_DIALOG, IDD_SEARCH},
    };
    for (const RequiredResource& resource : kResources)
        if (!::FindResourceW(module, MAKEINTRESOURCEW(resource.id), wideResource(resource.type))) return false;
    return true;
}
}  // namespace

std::string programFolder() {
    const std::string path = programPath();
    const std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

LanguageModules::LanguageModules() : LanguageModules(programFolder()) {}

LanguageModules::LanguageModules(const std::string& folder) : folder_(folder) {
    if (!folder_.empty() && folder_.back() != '\\' && folder_.back() != '/') folder_ += '\\';
    enumerate();
}

LanguageModules::LanguageModules(LanguageModules&& other) noexcept
    : folder_(std::move(other.folder_)),
      entries_(std::move(other.entries_)),
      defaultIndex_(other.defaultIndex_),
      currentIndex_(other.currentIndex_),
      module_(std::exchange(other.module_, nullptr)) {}

LanguageModules& LanguageModules::operator=(LanguageModules&& other) noexcept {
    if (this != &other) {
        if (module_) ::FreeLibrary(module_);
        folder_ = std::move(other.folder_);
        entries_ = std::move(other.entries_);
        defaultIndex_ = other.defaultIndex_;
        currentIndex_ = other.currentIndex_;
        module_ = std::exchange(other.module_, nullptr);
    }
    return *this;
}

LanguageModules::~LanguageModules() {
    if (module_) ::FreeLibrary(module_);
}

HMODULE LanguageModules::load(const std::string& fileName) const { return loadResourceModule(folder_ + fileName); }

void LanguageModules::enumerate() {
    WIN32_FIND_DATAW found;
    HANDLE search = ::FindFirstFileW(wideText(folder_ + "*.dll").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    std::size_t heldEntry = SIZE_MAX;
    do {
        const std::string fileName = narrowText(found.cFileName);
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || !hasDllExtension(fileName)) continue;
        HMODULE candidate = load(fileName);
        if (!candidate) continue;
        const std::string idText = moduleString(candidate, IDS_LANGUAGE_ID);
        if (idText.empty() || !hasEverythingNeeded(candidate)) {
            ::FreeLibrary(candidate);
            continue;
        }
        LanguageModule entry;
        entry.langId = static_cast<std::uint16_t>(std::strtol(idText.c_str(), nullptr, 0));
        entry.displayName = moduleString(candidate, IDS_LANGUAGE_NAME);
        if (entry.displayName.empty()) {
            // The count VerLanguageNameW answers includes the NUL on some
            // systems: the name ends at the first NUL.
            wchar_t systemName[64] = {};
            const bool named = ::VerLanguageNameW(entry.langId, systemName, std::size(systemName) - 1) > 0;
            entry.displayName = named ? narrowText(systemName) : idText;
        }
        entry.fileName = fileName;
        if (!module_ && (entry.langId & 0x3FF) == kEnglish) {
            module_ = candidate;
            heldEntry = entries_.size();
        } else {
            ::FreeLibrary(candidate);
        }
        entries_.push_back(std::move(entry));
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);

    // Sort by display name, byte by byte (in UTF-8, by code point), and follow the held module to its
    // new place: another module with the same LANGID must not be taken for it.
    std::vector<std::size_t> order(entries_.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(), [this](std::size_t a, std::size_t b) {
        return entries_[a].displayName < entries_[b].displayName;
    });
    std::vector<LanguageModule> sorted;
    for (std::size_t i = 0; i < order.size(); ++i) {
        sorted.push_back(std::move(entries_[order[i]]));
        if (order[i] == heldEntry) currentIndex_ = defaultIndex_ = static_cast<int>(i);
    }
    entries_ = std::move(sorted);

    if (!module_ && !entries_.empty()) {
        defaultIndex_ = 0;
        select(0);
    }
}

int LanguageModules::findByLangId(std::uint32_t langId) const {
    for (int i = 0; i < count(); ++i)
        if (entries_[i].langId == (langId & 0xFFFF)) return i;
    return -1;
}

bool LanguageModules::select(int index) {
    if (index < 0 || index >= count() || index == currentIndex_) return false;
    HMODULE loaded = load(entries_[index].fileName);
    if (!loaded) return false;
    if (module_) ::FreeLibrary(module_);
    module_ = loaded;
    currentIndex_ = index;
    return true;
}

LanguageModules& languageModules() {
    static LanguageModules modules;
    return modules;
}

std::string loadText(unsigned id) {
    HMODULE module = languageModules().module();
    return module ? moduleString(module, id) : std::string();
}

std::string loadText(unsigned id, std::string_view first, std::string_view second) {
    const std::string text = loadText(id);
    std::string filled;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && (text[i + 1] == '1' || text[i + 1] == '2'))
            filled += text[++i] == '1' ? first : second;
        else
            filled += text[i];
    }
    return filled;
}
