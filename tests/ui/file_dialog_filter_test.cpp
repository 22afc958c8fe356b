#include "ui/shell/file_dialog_filter.h"

#include <gtest/gtest.h>

using namespace std::string_literals;

TEST(FileDialogFilter, ListsForEachRow) {
    const std::string allFiles = "All files (*.*)";
    const FileTypeRow& collections = fileTypeRow(FileType::Collection);
    const FileTypeRow& templates = fileTypeRow(FileType::Template);
    const FileTypeRow& output = fileTypeRow(FileType::ExportOutput);

    EXPECT_EQ("Collections\0*.lhv\0\0"s,
              buildFilterList("Collections", collections.extension, collections.addsAllFiles ? &allFiles : nullptr));
    EXPECT_EQ("Templates\0*.lht\0All files (*.*)\0*.*\0\0"s,
              buildFilterList("Templates", templates.extension, templates.addsAllFiles ? &allFiles : nullptr));
    EXPECT_EQ("All files (*.*)\0*.*\0\0"s,
              buildFilterList("", output.extension, output.addsAllFiles ? &allFiles : nullptr));
    EXPECT_EQ(""s + '\0', buildFilterList("", "", nullptr));
    EXPECT_EQ(0u, output.filterNameId);
    EXPECT_EQ(0u, collections.titleId);
}
