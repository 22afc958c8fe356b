#include "ui/shell/file_dialog.h"

#include <algorithm>
#include <cwchar>

#include "core/wide_text_win.h"
#include "ui/shell/language_modules.h"
#include "ui/resource_ids.h"

namespace {
bool isHighSurrogate(wchar_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
}  // namespace

FileDialog::FileDialog(HWND owner, FileType type, Mode mode, const std::string& initialName) : mode_(mode) {
    const FileTypeRow& row = fileTypeRow(type);
    const std::string allFiles = loadText(IDS_FILTER_ALL_FILES);
    const std::string filterName = row.filterNameId ? loadText(row.filterNameId) : std::string();
    std::string filter;
    if (row.patterns) filter = filterName + '\0' + row.patterns + '\0';
    filter += buildFilterList(row.patterns ? std::string() : filterName, row.extension,
                              row.addsAllFiles ? &allFiles : nullptr);
    filter_ = wideText(filter);
    // Several names need room: 32,767 characters, what the system allows.
    file_.assign(mode == Mode::OpenSeveral ? 32767 : MAX_PATH, L'\0');
    if (row.titleId) title_ = wideText(loadText(row.titleId));
    extension_ = wideText(row.extension);
    const std::wstring initial = wideText(initialName);
    std::size_t kept = std::min(initial.size(), file_.size() - 1);
    if (kept < initial.size() && kept > 0 && isHighSurrogate(initial[kept - 1])) --kept;
    std::copy_n(initial.begin(), kept, file_.begin());

    // The layout of Windows versions before 2000, without the trailing fields.
    record_.lStructSize = OPENFILENAME_SIZE_VERSION_400W;
    record_.hwndOwner = owner;
    record_.lpstrFilter = filter_.c_str();
    record_.nFilterIndex = 1;
    record_.lpstrFile = file_.data();
    record_.nMaxFile = static_cast<DWORD>(file_.size());
    record_.lpstrTitle = row.titleId ? title_.c_str() : nullptr;
    record_.lpstrDefExt = extension_.empty() ? nullptr : extension_.c_str();
    record_.Flags = mode == Mode::Save ? OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY
                                       : OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
    if (mode == Mode::OpenSeveral) record_.Flags |= OFN_ALLOWMULTISELECT;
}

std::string FileDialog::fileName() const { return narrowText(file_.data()); }

std::vector<std::string> FileDialog::fileNames() const {
    // One name: the whole path. Several: the folder, then each name, each
    // ending in a NUL, the list in another.
    std::vector<std::string> names;
    const wchar_t* folder = file_.data();
    const wchar_t* name = folder + std::wcslen(folder) + 1;
    if (*name == L'\0') return {narrowText(folder)};
    for (; *name; name += std::wcslen(name) + 1) names.push_back(narrowText(folder) + "\\" + narrowText(name));
    return names;
}

bool FileDialog::show() {
    return (mode_ == Mode::Save ? ::GetSaveFileNameW(&record_) : ::GetOpenFileNameW(&record_)) != FALSE;
}
