#pragma once

// The file types of the open and save dialogs and their filter lists.

#include <string>

enum class FileType { Collection = 0, Template = 1, ExportOutput = 2, BookmarkFiles = 3 };

struct FileTypeRow {
    const char* extension;   // default extension, empty for none
    unsigned filterNameId;   // string of the filter's name, 0 for none
    unsigned titleId;        // string of the dialog title, 0 for the system's
    bool addsAllFiles;
    const char* patterns = nullptr;  // the filter's patterns when not "*.<extension>"
};

const FileTypeRow& fileTypeRow(FileType type);

// The dialog's filter list: "<name>\0*.<ext>\0" when both are given, then
// "<all files>\0*.*\0" when asked for, then the closing NUL.
std::string buildFilterList(const std::string& filterName, const std::string& extension,
                            const std::string* allFilesName);
