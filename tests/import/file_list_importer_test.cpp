#include "import/file_list_importer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#ifdef _WIN32
#include <windows.h>

#include <cstring>

#include "import/dropped_file_list.h"
#else
#include <sys/stat.h>
#endif

#include "core/collection.h"
#include "core/collection_walker.h"
#include "import/item_insertion.h"
#include "import/netscape_importer.h"
#include "import/opera_importer.h"
#include "item_log.h"
#include "test_files.h"
#include "tree_text.h"

namespace fs = std::filesystem;

namespace {

std::string shortcut(const std::string& address) { return "[InternetShortcut]\r\nURL=" + address + "\r\n"; }

std::string imported(const std::vector<std::string>& paths) {
    FileListImporter importer(std::make_unique<PathList>(paths));
    return itemLog(importer);
}

class FileListImport : public testing::Test {
protected:
    TemporaryFolder folder;
    // `relative` in UTF-8, whatever the file system's encoding.
    std::string make(const std::string& relative, const std::string& bytes) {
        const fs::path path = fs::path(folder.path()) / fs::u8path(relative);
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
        const std::u8string name = path.u8string();
        return std::string(name.begin(), name.end());
    }
};
}  // namespace

TEST_F(FileListImport, WalksFoldersInNameOrderAndReadsShortcuts) {
    make("Favorites/b site.url", shortcut("http://b/"));
    make("Favorites/A site.URL", shortcut("http://a/"));
    make("Favorites/_under.url", shortcut("http://under/"));
    make("Favorites/no address.url", "[InternetShortcut]\r\n");
    make("Favorites/notes.txt", "not a bookmark");
    make("Favorites/Sub.url/inner.url", shortcut("http://inner/"));
    // Names in any script, whatever the ANSI code page.
    make("Favorites/Café.url", shortcut("http://cafe/"));
    make("Favorites/При/日😀.url", shortcut("http://nihon/"));
    fs::create_directories(fs::path(folder.path()) / "Favorites/empty");
    EXPECT_EQ("{Favorites{A site <http://a/>, b site <http://b/>, Café <http://cafe/>, empty{}, "
              "Sub.url{inner <http://inner/>}, _under <http://under/>, При{日😀 <http://nihon/>}}}",
              imported({folder.file("Favorites")}));
}

TEST_F(FileListImport, SplicesBookmarkFilesInAtTheirPlaceAndKeepsTheGivenOrder) {
    const std::string html = make("x/bookmarks.HTML",
                                  "<!DOCTYPE NETSCAPE-Bookmark-file-1><DL><DT><H3>F</H3><DL>"
                                  "<DT><A HREF=\"http://f/\">f</A></DL><DT><A HREF=\"http://top/\">top</A></DL>");
    const std::string hotlist = make("x/opera.adr",
                                     "Opera Hotlist version 2.0\n\n#FOLDER\n\tNAME=O\n\n#URL\n\tNAME=o\n\t"
                                     "URL=http://o/\n\n-\n-\n#URL\n\tNAME=after stray\n\tURL=http://s/\n\n");
    const std::string url = make("x/last.url", shortcut("http://last/"));
    const std::string empty = make("x/empty.htm", "");
    EXPECT_EQ("{last <http://last/>, F{f <http://f/>}, top <http://top/>, O{o <http://o/>}, after stray <http://s/>}",
              imported({url, empty, folder.file("x/missing.html"), html, hotlist}));
}

#ifndef _WIN32
TEST_F(FileListImport, APipeNamedLikeABookmarkFileIsSkippedNotWaitedFor) {
    const std::string pipe = folder.file("pipe.html");
    ASSERT_EQ(0, ::mkfifo(pipe.c_str(), 0600));
    make("after.url", shortcut("http://after/"));
    EXPECT_EQ("{after <http://after/>}", imported({pipe, folder.file("after.url")}));
}
#else
// The files of a drop handle, built as the shell builds one.
TEST_F(FileListImport, ADropHandleGivesThePathsInOrderWithTheirAttributes) {
    const std::string file = make("a.url", shortcut("http://a/")), missing = folder.file("gone.url");
    const std::string names = file + '\0' + folder.path() + '\0' + missing + '\0' + '\0';
    // DROPFILES (shlobj.h's names would clash with the tree's) and the ANSI names.
    struct {
        DWORD pFiles;
        POINT pt;
        BOOL fNC, fWide;
    } header{sizeof header, {}, FALSE, FALSE};
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof header + names.size());
    ASSERT_NE(nullptr, memory);
    char* bytes = static_cast<char*>(::GlobalLock(memory));
    std::memcpy(bytes, &header, sizeof header);
    std::memcpy(bytes + sizeof header, names.data(), names.size());
    ::GlobalUnlock(memory);

    DroppedFileList list(memory);
    std::string path, found;
    std::uint32_t attributes = 0;
    for (int i = 0; i < 4 && list.next(path, attributes); ++i) {
        const bool isFolder = (attributes & FileAttribute::Directory) != 0;
        found += path + (attributes == FileAttribute::Invalid ? " missing\n" : isFolder ? " folder\n" : " file\n");
    }
    EXPECT_EQ(file + " file\n" + folder.path() + " folder\n" + missing + " missing\n", found);
    ::GlobalFree(memory);
}
#endif

TEST_F(FileListImport, ALinkedFolderIsListedButNotWalked) {
    make("loop/a.url", shortcut("http://a/"));
    std::error_code error;
    fs::create_directory_symlink(folder.file("loop"), folder.file("loop/back"), error);
    if (error) GTEST_SKIP() << "symbolic links cannot be made here: " << error.message();
    EXPECT_EQ("{loop{a <http://a/>, back{}}}", imported({folder.file("loop")}));
}

TEST_F(FileListImport, FoldersBelowTheDepthLimitGiveTheirItemsToTheDeepestFolder) {
    const std::size_t depth = Folder::kMaxDepth + 20;
    std::string html = "<!DOCTYPE NETSCAPE-Bookmark-file-1><DL>", tree = "{";
    for (std::size_t level = 0; level < depth; ++level) {
        const std::string url = "http://l/" + std::to_string(level);
        html += "<DT><H3>f</H3><DL><DT><A HREF=\"" + url + "\">l</A>";
        // The deepest folder holds its own link and those of the 20 levels below.
        tree += (level < Folder::kMaxDepth ? "f{l <" : ", l <") + url + (level + 1 < Folder::kMaxDepth ? ">, " : ">");
    }
    for (std::size_t level = 0; level < depth; ++level) html += "</DL>";
    html += "<DT><A HREF=\"http://after/\">after</A></DL>";

    Collection collection;
    FileListImporter importer(std::make_unique<PathList>(std::vector<std::string>{make("deep.html", html)}));
    insertItems(collection, &collection, importer);
    EXPECT_EQ(tree + std::string(Folder::kMaxDepth, '}') + ", after <http://after/>}", treeText(collection));
    EXPECT_TRUE(collection.save(folder.file("deep.lhv")));
}

TEST_F(FileListImport, EndsWithTheFirstFailureAndKeepsWhatCameBefore) {
    const std::string html = make("a.html", "<!DOCTYPE NETSCAPE-Bookmark-file-1><DL><DT><A HREF=\"http://a/\">a</A></DL>");
    const std::string text = make("text.adr", "no hotlist\n");
    const std::string missing = folder.file("missing.url");
    // Each list, the result and the path it names, and the files skipped as no bookmark files.
    const std::tuple<std::vector<std::string>, ResultStatus, std::string, std::size_t> cases[] = {
        {{html}, ResultStatus::Ok, "", 0},
        {{missing, html}, ResultStatus::NotFound, missing, 1},
        {{html, text}, ResultStatus::NotRecognized, text, 1},
        {{text, html, missing}, ResultStatus::NotFound, missing, 2},
    };
    for (const auto& [paths, status, failedPath, otherFiles] : cases) {
        FileListImporter importer(std::make_unique<PathList>(paths));
        EXPECT_EQ("{a <http://a/>}", itemLog(importer));
        EXPECT_EQ(std::make_tuple(status, failedPath, otherFiles),
                  std::make_tuple(importer.result().status, importer.result().path, importer.skipped().otherFiles));
    }
    EXPECT_EQ(ResultStatus::NoAccess, NetscapeImporter(folder.path()).result().status);
    EXPECT_EQ(ResultStatus::NotFound, OperaImporter(missing).result().status);
    EXPECT_EQ(ResultStatus::NotFound, DirectoryList(folder.file("gone")).result().status);
}

TEST_F(FileListImport, CountsWhatItSkipsAndKnowsBrowserFilesByTheirContent) {
    const std::tuple<const char*, std::string, std::size_t, std::size_t, std::size_t, std::size_t> cases[] = {
        {"a.html",
         "<DL><DT><A HREF=\"place:sort=8\">q</A><DT><A HREF=\"example.org\">x</A><DT><A HREF=\"C:\\x\">c</A>"
         "<DT><A>none</A><DT><A HREF=\"javascript:void(0)\">j</A></DL>",
         1, 1, 3, 0},
        {"a.adr", "Opera Hotlist version 2.0\n\n#URL\n\tNAME=e\n\tURL=\n\n#URL\n\tURL=www.example.org\n\n"
                  "#URL\n\tURL=ab:c\n", 1, 0, 2, 0},
        {"drive.url", shortcut("C:\\x"), 0, 0, 1, 0},
        {"none.url", "[InternetShortcut]\r\n", 0, 0, 1, 0},
        {"Bookmarks", "{\"checksum\": \"\", \"roots\": {\"other\": {\"children\": [{\"type\": \"url\", \"url\": \"x\"}, "
                      "{\"type\": \"url\", \"url\": \"http://a/\"}]}}}", 1, 0, 1, 0},
        {"chrome.html", "\xEF\xBB\xBF\r\n{ \"roots\": {\"other\": {\"children\": [{\"type\": \"url\", "
                        "\"url\": \"http://a/\"}]}}}", 1, 0, 0, 0},
        {"notes.txt", "{\"name\": \"roots\"}", 0, 0, 0, 1},
        {"cut.json", "{\"check", 0, 0, 0, 1},
        {"no hotlist.adr", "#URL\n\tURL=http://a/\n", 0, 0, 0, 1},
    };
    for (const auto& [name, bytes, links, queries, withoutAddress, otherFiles] : cases) {
        Collection collection;
        FileListImporter importer(std::make_unique<PathList>(std::vector<std::string>{make(name, bytes)}));
        const std::size_t imported = insertItems(collection, &collection, importer).links;
        const SkippedItems skipped = importer.skipped();
        EXPECT_EQ(std::make_tuple(links, queries, withoutAddress, otherFiles),
                  std::make_tuple(imported, skipped.queries, skipped.withoutAddress, skipped.otherFiles))
            << name;
    }
}

// A long import stops where its progress asks, before anything is linked in.
TEST(ItemInsertion, StagingStopsWhereTheProgressAsks) {
    Collection from;
    for (int i = 0; i < 1000; ++i) from.appendLink(&from);
    CollectionWalker walker(from.childrenBegin(), from.childrenEnd());
    struct StopAtTheSecondReport final : Progress {
        std::vector<std::uint64_t> told;
        bool advance(std::uint64_t done, std::uint64_t) override {
            told.push_back(done);
            return told.size() < 2;
        }
    } progress;
    Folder staging;
    const InsertedCounts counts = stageItems(staging, walker, Folder::kMaxDepth, &progress);
    EXPECT_TRUE(counts.cancelled);
    ASSERT_EQ(2u, progress.told.size());
    EXPECT_EQ(progress.told.back(), counts.links);
    EXPECT_EQ(counts.links, staging.childCount());
    EXPECT_LT(counts.links, 1000u);
}
