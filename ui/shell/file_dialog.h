#pragma once

// The common open and save dialogs for one file type, with buffers of their own.

#include <windows.h>
#include <commdlg.h>

#include <string>
#include <vector>

#include "ui/shell/file_dialog_filter.h"

class FileDialog {
public:
    enum class Mode { Open, OpenSeveral, Save };

    // An initial name longer than the file buffer is cut to fit, never
    // inside a character.
    FileDialog(HWND owner, FileType type, Mode mode, const std::string& initialName = {});
    FileDialog(const FileDialog&) = delete;
    FileDialog& operator=(const FileDialog&) = delete;

    // Shows the dialog; true when the user chose a file.
    bool show();
    std::string fileName() const;
    // Every file chosen, with its folder.
    std::vector<std::string> fileNames() const;
    const OPENFILENAMEW& record() const { return record_; }

private:
    Mode mode_;
    std::vector<wchar_t> file_;
    std::wstring filter_;
    std::wstring title_;
    std::wstring extension_;
    OPENFILENAMEW record_{};
};
