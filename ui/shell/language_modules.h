#pragma once

// The language modules: resource-only DLLs beside the program, one per
// language, from which every text, menu, dialog and image is loaded.

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct LanguageModule {
    std::uint16_t langId;
    std::string displayName;
    std::string fileName;  // as found, without folder
};

class LanguageModules {
public:
    // Lists the modules in `folder` (the program's own folder by default)
    // that hold every string, menu and dialog the program loads, sorted by
    // display name, and loads the preferred one: the first English
    // module found, else the first in the list.
    LanguageModules();
    explicit LanguageModules(const std::string& folder);
    LanguageModules(LanguageModules&& other) noexcept;
    LanguageModules& operator=(LanguageModules&& other) noexcept;
    ~LanguageModules();

    int count() const { return static_cast<int>(entries_.size()); }
    const std::string& displayName(int index) const { return entries_[index].displayName; }
    std::uint16_t langIdAt(int index) const { return entries_[index].langId; }
    const std::string& fileName(int index) const { return entries_[index].fileName; }
    int currentIndex() const { return currentIndex_; }
    int defaultIndex() const { return defaultIndex_; }
    // The first entry whose LANGID equals the low 16 bits of `langId`, or -1.
    int findByLangId(std::uint32_t langId) const;
    // Makes `index` current: false when it already is, or its file cannot be loaded.
    bool select(int index);
    // The current module, or none.
    HMODULE module() const { return module_; }

private:
    void enumerate();
    HMODULE load(const std::string& fileName) const;

    std::string folder_;
    std::vector<LanguageModule> entries_;
    int defaultIndex_ = -1;
    int currentIndex_ = -1;
    HMODULE module_ = nullptr;
};

// The program's modules, those beside the program.
LanguageModules& languageModules();

// A string of the current module, whole, in UTF-8; empty when missing.
std::string loadText(unsigned id);
// The same with every %1 replaced by `first` and every %2 by `second`, in
// one pass, so that an argument holding "%2" stays as it is.
std::string loadText(unsigned id, std::string_view first, std::string_view second = {});

// The folder of the running program, with its trailing backslash.
std::string programFolder();
