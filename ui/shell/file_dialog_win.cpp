#include "ui/shell/file_dialog.h"

#include <algorithm>

#include "core/wide_text_win.h"
#include "ui/shell/language_modules.h"
#include "ui/resource_ids.h"

namespace {
bool isHighSurrogate(wchar_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
}  // namespace

FileDialog::FileDialog(HWND owner, FileType type, Mode mode, const std::string& initialName) : mode_(mode) {
    const FileTypeRow& row = fileTypeRow(type);
    const std::string allFiles = loadText(IDS_FILTER_ALL_FILES);
    filter_ = wideText(buildFilterList(row.filterNameId ? loadText(row.filterNameId) : std::string(),
                                       row.extension, row.addsAllFiles ? &allFiles : nullptr));
    if (row.titleId) title_ = wideText(loadText(row.titleId));
    extension_ = wideText(row.extension);
    const std::wstring initial = wideText(initialName);
    std::size_t kept = std::min(initial.size(), std::size(file_) - 1);
    if (kept < initial.size() && kept > 0 && isHighSurrogate(initial[kept - 1])) --kept;
    std::copy_n(initial.begin(), kept, file_);

    // The layout of Windows versions before 2000, without the trailing fields.
    record_.lStructSize = OPENFILENAME_SIZE_VERSION_400W;
    record_.hwndOwner = owner;
    record_.lpstrFilter = filter_.c_str();
    record_.nFilterIndex = 1;
    record_.lpstrFile = file_;
    record_.nMaxFile = std::size(file_);
    record_.lpstrTitle = row.titleId ? title_.c_str() : nullptr;
    record_.lpstrDefExt = extension_.empty() ? nullptr : extension_.c_str();
    record_.Flags = mode == Mode::Open ? OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY
                                       : OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY;
}

std::string FileDialog::fileName() const { return narrowText(file_); }

bool FileDialog::show() {
    return (mode_ == Mode::Open ? ::GetOpenFileNameW(&record_) : ::GetSaveFileNameW(&record_)) != FALSE;
}
