#pragma once

// The common open and save dialogs for one file type, with buffers of their own.

#include <windows.h>
#include <commdlg.h>

#include <string>

#include "ui/shell/file_dialog_filter.h"

class FileDialog {
public:
    enum class Mode { Open, Save };

    // An initial name longer than the file buffer is cut to fit.
    FileDialog(HWND owner, FileType type, Mode mode, const std::string& initialName = {});
    FileDialog(const FileDialog&) = delete;
    FileDialog& operator=(const FileDialog&) = delete;

    // Shows the dialog; true when the user chose a file.
    bool show();
    std::string fileName() const { return file_; }
    const OPENFILENAMEA& record() const { return record_; }

private:
    Mode mode_;
    char file_[MAX_PATH] = {};
    std::string filter_;
    std::string title_;
    OPENFILENAMEA record_{};
};
