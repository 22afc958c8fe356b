// Real exports of browsers and tools, hotlists and shortcut files, kept
// beside the repository (../shared/corpus). The expected counts and titles
// were worked out by reading each file: folders are the headings that open a
// list, links the anchors whose address is http or https. Titles are in the
// ANSI code page (1252): characters it lacks become '?'.

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "core/collection.h"
#include "import/file_list_importer.h"
#include "import/item_insertion.h"
#include "test_files.h"

namespace fs = std::filesystem;

namespace {
const std::string kCorpus = LINKHAVEN_SOURCE_DIR "/../shared/corpus";

struct CorpusFile {
    const char* path;
    std::size_t folders;
    std::size_t links;
    std::vector<std::string> titles;  // some of the titles the import must hold
};

const CorpusFile kFiles[] = {
    {"netscape/bp-firefox1-rdf.html", 3, 15, {"Bookmarks Toolbar Folder", "Get Involved - Help spread Firefox!"}},
    {"netscape/bp-netscape4-jess.html", 1, 6, {"Personal Toolbar Folder", "Mktplace"}},
    {"netscape/firefox153esr-default-bookmarks-template.html", 1, 4,
     {"default-bookmarks-firefox-heading", "default-bookmarks-firefox-about"}},
    {"netscape/gen-buku47-import-chrome-zh-CN.html", 1, 11, {"buku bookmarks", "Google", "?????????"}},
    {"netscape/gen-buku47-synthetic-40.html", 1, 40, {"buku bookmarks", "Kernel weather project recipes archive"}},
    {"netscape/gen-firefox153esr-default-profile.html", 1, 4, {"Mozilla Firefox", "About Us"}},
    {"netscape/gen-firefox153esr-reexport-ie11-nested.html", 9, 27, {"Comics", "Let me google that for you"}},
    {"netscape/gen-firefox153esr-reexport-netscape4-latin1.html", 188, 1222,
     {"Personal Toolbar Folder", "? archaic ruins ?", "AltaVista: Main Page"}},
    {"netscape/gen-firefox153esr-reexport-preplaces.html", 4, 8, {"Mozilla Firefox", "Example.tld"}},
    {"netscape/gen-firefox153esr-synthetic-300.html", 32, 211, {"Projects 3", "??? ??? - draft"}},
    {"netscape/gen-synthetic-chrome-style-crlf-bom-400.htm", 42, 298, {"Bookmarks bar", "??????? ?????????"}},
    {"netscape/gen-synthetic-firefox-style-2000.html", 152, 1471, {"Bookmarks Toolbar", "\x8Elu?ou?k\xFD k??"}},
    {"netscape/gen-synthetic-iso-8859-1-crlf.htm", 17, 121, {"Bookmarks bar", "Tom & Jerry format"}},
    {"netscape/gen-synthetic-shift_jis.html", 17, 110,
     {"Bookmarks Toolbar", "Notes docs library"}},
    {"netscape/gen-synthetic-windows-1251.html", 17, 131, {"Bookmarks Toolbar", "Q&A recipes"}},
    {"netscape/gtkbm-gtkbookmark-resaved-lf.htm", 188, 1222, {"Personal Toolbar Folder", "Inference Find!"}},
    {"netscape/gtkbm-netscape4-win-crlf-latin1.htm", 188, 1222, {"Personal Toolbar Folder", "AltaVista: Main Page"}},
    {"netscape/hoa-shaarli-like-date-string-add_date.htm", 0, 2, {"Public stuff"}},
    {"netscape/mdp-chrome8-2010-crlf-bookmarklets.htm", 38, 189,
     {"Bookmarks Bar", "Format recovery \x96 recover files from formatted disk partition."}},
    {"netscape/mozilla-bookmarks.preplaces.html", 4, 8, {"Mozilla Firefox"}},
    {"netscape/mozilla-bookmarks_html_localized.html", 1, 1,
     {"bookmarks-html-localized-folder", "bookmarks-html-localized-bookmark"}},
    {"netscape/mozilla-bookmarks_html_singleframe.html", 1, 1, {"Subtitle", "Mozilla"}},
    {"netscape/nbfp-chromium-pt-BR-shortcuturl.html", 1, 2,
     {"Barra de favoritos", "reddit: the front page of the internet"}},
    {"netscape/nbp-chrome_bookmarks.html", 3, 4, {"Bookmarks Bar", "First level other bookmarks bookmark"}},
    {"netscape/nbp-firefox57-complex.html", 6, 13,
     {"Mozilla Firefox", "CS224 Deep Learning NLP (3): Word2vec \x96 random probabilist", "CS224N Assignment 1"}},
    {"netscape/nbp-netscape-xmlish-closing-dt.html", 3, 6, {"Menu", "Amazon"}},
    {"netscape/nbp-pocket-export.html", 0, 5,
     {"Hello World", "Pocket: Your Browser", "?????????: ????? Nexus 7 ??????? Android 4.3 ? Snapdragon S4 Pro"}},
    {"netscape/nbt-chrome-zh-CN-2019.html", 3, 11, {"???", "GitHub", "Vue.js"}},
    {"netscape/shaarli-chromium_flat.htm", 0, 9,
     {"Framasoft ~ Page portail du r\xE9seau", "Timeline of the Elves in Tolkien\x92s works | LotrProject Blog"}},
    {"netscape/shaarli-chromium_nested.htm", 7, 18, {"Personal toolbar", "ownCloud.org"}},
    {"netscape/shaarli-delicious.htm", 0, 5, {"fontfamily.io"}},
    {"netscape/shaarli-delicious_sanitize.htm", 0, 2, {"Changer le monde - Carnets Web de La Grange"}},
    {"netscape/shaarli-empty.htm", 0, 0, {}},
    {"netscape/shaarli-firefox_flat.htm", 1, 21, {"Personal toolbar", "Getting Started"}},
    {"netscape/shaarli-firefox_nested.htm", 6, 21, {"Comics", "Getting Started"}},
    {"netscape/shaarli-google_bookmarks_nested.htm", 2, 6, {"Folder1", "Unlabeled", "Home | NextAce"}},
    {"netscape/shaarli-internet_explorer_11_flat.htm", 0, 18, {"XKCD Plots in Matplotlib Going the Whole Way"}},
    {"netscape/shaarli-internet_explorer_11_nested.htm", 9, 27, {"Comics", "Let me google that for you"}},
    {"netscape/shaarli-netscape_basic.htm", 0, 2, {"Public stuff"}},
    {"netscape/shaarli-netscape_extended.htm", 0, 1, {"The hunt for the fish pirates who exploit the sea - BBC Future"}},
    {"netscape/shaarli-netscape_multiline.htm", 0, 3, {"Multiline desc"}},
    {"netscape/shaarli-netscape_nested.htm", 4, 8, {"Folder1, the first,folder to encounter", "Nested 2"}},
    {"netscape/shaarli-safari_folded.htm", 5, 3, {"Favoris", "Wikipedia, the free encyclopedia"}},
    {"netscape/shaarli-scuttle.htm", 0, 4, {"UN Terminology in German, English (& French & Spanish)"}},
    {"netscape/shaarli-scuttle_new_line.htm", 0, 1, {}},
    {"netscape/shaarli-shaarli.htm", 0, 5, {"My secret stuff... - Pastebin.com"}},
    {"netscape/shaarli-shaarli_legacy.htm", 0, 2,
     {"URL Rewriting for Beginners - Web Development in Brighton - Added Bytes"}},
    {"netscape/shaarli-shaarli_markdown.htm", 0, 0, {}},
    {"netscape/shaarli-shaarli_with_tabs_and_spaces.htm", 0, 0, {}},
    {"netscape/shaarli-shaarli_with_whitespace_tags.htm", 0, 0, {}},

    {"opera/bp-opera-1150-crlf.adr", 2, 19, {"Trash", "Opera", "My Opera Community", "Sports"}},
    {"opera/bp-opera-1150-unix.adr", 2, 19, {"Trash", "Opera", "My Opera Community", "Sports"}},
    {"opera/bp-opera6.adr", 2, 9, {}},
    {"opera/bp-rt75463-spaces-indent.adr", 0, 1, {}},
    {"opera/gen-synthetic-opera12-crlf-200.adr", 21, 200, {}},
    {"opera/gen-synthetic-opera9-500.adr", 51, 500, {}},
    {"opera/oobc-example-anonymized-no-final-newline.adr", 1, 3, {}},
    {"opera/synthetic-edge-cases/contacts-and-notes-records.adr", 0, 1, {"Example"}},
    {"opera/synthetic-edge-cases/dash-without-blank-line.adr", 2, 2, {"F", "G"}},
    {"opera/synthetic-edge-cases/empty-url-and-missing-name.adr", 0, 2, {"No address", ""}},
    {"opera/synthetic-edge-cases/header-not-first-line.adr", 0, 1, {"Example"}},
    {"opera/synthetic-edge-cases/header-without-empty-line.adr", 0, 1, {"Example"}},
    {"opera/synthetic-edge-cases/key-with-blanks-and-equals-in-value.adr", 0, 1, {"a=b = c"}},
    {"opera/synthetic-edge-cases/latin1-no-options.adr", 0, 1, {"Caf\xE9 cr\xE8me"}},
    {"opera/synthetic-edge-cases/no-header.adr", 0, 0, {}},
    {"opera/synthetic-edge-cases/no-options-line.adr", 0, 1, {"Example"}},
    {"opera/synthetic-edge-cases/options-encoding-windows-1251.adr", 0, 1, {"???????"}},
    {"opera/synthetic-edge-cases/options-no-blanks-utf8.adr", 0, 1, {"Example"}},
    {"opera/synthetic-edge-cases/options-utf-8-with-hyphen.adr", 0, 1, {"Example"}},
    {"opera/synthetic-edge-cases/trailing-blanks-and-crlf.adr", 1, 1, {"Trailing blank after marker", "Example"}},
    {"opera/synthetic-edge-cases/unbalanced-extra-dash.adr", 0, 1, {}},
    {"opera/synthetic-edge-cases/unclosed-folders.adr", 2, 1, {}},

    {"favorites/ajaxmin-Documentation.url", 0, 1, {"ajaxmin-Documentation"}},
    {"favorites/assimp-Website.url", 0, 1, {"assimp-Website"}},
    {"favorites/cyberduck-Donate.url", 0, 1, {"cyberduck-Donate"}},
    // The tree: 9 folders (the tree itself included), 40 ordinary shortcuts
    // and 22 edge cases with an address; 4 shortcuts without a usable one
    // (empty, no key, only in DEFAULT, no section) and the files that are no
    // shortcuts give nothing.
    {"favorites/synthetic-tree", 9, 62,
     {"synthetic-tree", "\xC4rger & Co", "Caf\xE9 cr\xE8me docs 1", "na\xEFve fa\xE7" "ade beta 36", "Folder.url",
      "Empty folder", "upper-case extension", "UTF-16LE with BOM"}},
};

void collectTitles(const Folder& folder, std::set<std::string>& titles) {
    for (ChildPosition p = folder.childrenBegin(); !p.isEnd(); ++p) {
        titles.insert(p.node()->title.str());
        if (const Folder* sub = p.node()->asFolder()) collectTitles(*sub, titles);
    }
}
}  // namespace

TEST(Corpus, EveryFileGivesTheItemsItHolds) {
    if (!fs::exists(kCorpus)) GTEST_SKIP() << "no corpus at " << kCorpus << ": real-file cases not run";
    for (const CorpusFile& file : kFiles) {
        const std::string path = kCorpus + "/" + file.path;
        ASSERT_TRUE(fs::exists(path)) << path;
        Collection collection;
        FileListImporter importer(std::make_unique<PathList>(std::vector<std::string>{path}));
        InsertedCounts counts = insertItems(collection, &collection, importer);
        EXPECT_EQ(file.folders, counts.folders) << file.path;
        EXPECT_EQ(file.links, counts.links) << file.path;
        std::set<std::string> titles;
        collectTitles(collection, titles);
        for (const std::string& title : file.titles) EXPECT_TRUE(titles.count(title)) << file.path << ": " << title;
    }
}

TEST(Corpus, EveryFileOfTheCorpusIsInTheTable) {
    if (!fs::exists(kCorpus)) GTEST_SKIP() << "no corpus at " << kCorpus;
    std::set<std::string> listed;
    for (const CorpusFile& file : kFiles) listed.insert(file.path);
    for (const auto& entry : fs::recursive_directory_iterator(kCorpus)) {
        if (!entry.is_regular_file()) continue;
        const std::string relative = fs::relative(entry.path(), kCorpus).generic_string();
        if (relative == "SOURCES.md" || relative.rfind("favorites/synthetic-tree/", 0) == 0) continue;
        EXPECT_TRUE(listed.count(relative)) << relative << " has no expectations";
    }
}
