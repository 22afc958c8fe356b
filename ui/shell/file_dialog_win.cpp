#include "ui/shell/file_dialog.h"

#include <cstring>

#include "ui/shell/language_modules.h"
#include "ui/resource_ids.h"

FileDialog::FileDialog(HWND owner, FileType type, Mode mode, const std::string& initialName) : mode_(mode) {
    const FileTypeRow& row = fileTypeRow(type);
    const std::string allFiles = loadText(IDS_FILTER_ALL_FILES);
    filter_ = buildFilterList(row.filterNameId ? loadText(row.filterNameId) : std::string(), row.extension,
                              row.addsAllFiles ? &allFiles : nullptr);
    if (row.titleId) title_ = loadText(row.titleId);
    std::memcpy(file_, initialName.data(), std::min(initialName.size(), sizeof file_ - 1));

    // The layout of Windows versions before 2000, without the trailing fields.
    record_.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    record_.hwndOwner = owner;
    record_.lpstrFilter = filter_.c_str();
    record_.nFilterIndex = 1;
    record_.lpstrFile = file_;
    record_.nMaxFile = sizeof file_;
    record_.lpstrTitle = row.titleId ? title_.c_str() : nullptr;
    record_.lpstrDefExt = row.extension[0] ? row.extension : nullptr;
    record_.Flags = mode == Mode::Open ? OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY
                                       : OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY;
}

bool FileDialog::show() {
    return (mode_ == Mode::Open ? ::GetOpenFileNameA(&record_) : ::GetSaveFileNameA(&record_)) != FALSE;
}
