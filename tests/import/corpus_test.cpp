// Real exports of browsers and tools, hotlists and shortcut files, kept
// beside the repository (../shared/corpus). The expected counts and titles
// were worked out by reading each file: folders are the headings that open a
// list, links the anchors whose address has a scheme, Firefox's place:
// queries aside. Titles are in UTF-8, whatever the file's charset. The quirks
// of the hotlists in opera/synthetic-edge-cases are rows of opera_importer_test.

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

// Each file, the folders and links its import gives, and some of the titles it must hold.
const std::tuple<const char*, std::size_t, std::size_t, std::vector<std::string>> kFiles[] = {
    {"netscape/bp-firefox1-rdf.html", 3, 15, {"Bookmarks Toolbar Folder", "Get Involved - Help spread Firefox!"}},
    {"netscape/bp-netscape4-jess.html", 1, 6, {"Personal Toolbar Folder", "Mktplace"}},
    {"netscape/firefox153esr-default-bookmarks-template.html", 1, 4,
     {"default-bookmarks-firefox-heading", "default-bookmarks-firefox-about"}},
    {"netscape/gen-buku47-import-chrome-zh-CN.html", 1, 11, {"buku bookmarks", "Google", "百度一下，你就知道"}},
    {"netscape/gen-buku47-synthetic-40.html", 1, 40, {"buku bookmarks", "Kernel weather project recipes archive"}},
    {"netscape/gen-firefox153esr-default-profile.html", 1, 4, {"Mozilla Firefox", "About Us"}},
    {"netscape/gen-firefox153esr-reexport-ie11-nested.html", 9, 27, {"Comics", "Let me google that for you"}},
    {"netscape/gen-firefox153esr-reexport-netscape4-latin1.html", 188, 1231,
     {"Personal Toolbar Folder", "\xEF\xBF\xBD archaic ruins \xEF\xBF\xBD", "AltaVista: Main Page"}},
    {"netscape/gen-firefox153esr-reexport-preplaces.html", 4, 8, {"Mozilla Firefox", "Example.tld"}},
    {"netscape/gen-firefox153esr-synthetic-300.html", 32, 287, {"Projects 3", "한국어 사이트 - draft"}},
    {"netscape/gen-synthetic-chrome-style-crlf-bom-400.htm", 42, 377, {"Bookmarks bar", "Русская Википедия"}},
    {"netscape/gen-synthetic-firefox-style-2000.html", 152, 1922, {"Bookmarks Toolbar", "Žluťoučký kůň"}},
    {"netscape/gen-synthetic-iso-8859-1-crlf.htm", 17, 144, {"Bookmarks bar", "Tom & Jerry format"}},
    {"netscape/gen-synthetic-shift_jis.html", 17, 146,
     {"Bookmarks Toolbar", "Notes docs library", "ブックマーク", "日本語のページ - map cart", "Über uns"}},
    {"netscape/gen-synthetic-windows-1251.html", 17, 148,
     {"Bookmarks Toolbar", "Q&A recipes", "Привет, мир", "Café crème - folder kernel", "emoji 😀 smile",
      "ブックマーク - benchmark"}},
    {"netscape/gtkbm-gtkbookmark-resaved-lf.htm", 188, 1231, {"Personal Toolbar Folder", "Inference Find!"}},
    {"netscape/gtkbm-netscape4-win-crlf-latin1.htm", 188, 1231, {"Personal Toolbar Folder", "AltaVista: Main Page"}},
    {"netscape/hoa-shaarli-like-date-string-add_date.htm", 0, 2, {"Public stuff"}},
    {"netscape/mdp-chrome8-2010-crlf-bookmarklets.htm", 38, 192,
     {"Bookmarks Bar", "Format recovery – recover files from formatted disk partition."}},
    {"netscape/mozilla-bookmarks.preplaces.html", 4, 8, {"Mozilla Firefox"}},
    {"netscape/mozilla-bookmarks_html_localized.html", 1, 1,
     {"bookmarks-html-localized-folder", "bookmarks-html-localized-bookmark"}},
    {"netscape/mozilla-bookmarks_html_singleframe.html", 1, 1, {"Subtitle", "Mozilla"}},
    {"netscape/nbfp-chromium-pt-BR-shortcuturl.html", 1, 2,
     {"Barra de favoritos", "reddit: the front page of the internet"}},
    {"netscape/nbp-chrome_bookmarks.html", 3, 4, {"Bookmarks Bar", "First level other bookmarks bookmark"}},
    {"netscape/nbp-firefox57-complex.html", 6, 13,
     {"Mozilla Firefox", "CS224 Deep Learning NLP (3): Word2vec – random probabilist", "CS224N Assignment 1"}},
    {"netscape/nbp-netscape-xmlish-closing-dt.html", 3, 6, {"Menu", "Amazon"}},
    {"netscape/nbp-pocket-export.html", 0, 5,
     {"Hello World", "Pocket: Your Browser",
      "Аналитики: новый Nexus 7 получит Android 4.3 и Snapdragon S4 Pro"}},
    {"netscape/nbt-chrome-zh-CN-2019.html", 3, 11, {"书签栏", "微博", "GitHub", "Vue.js"}},
    {"netscape/shaarli-chromium_flat.htm", 0, 9,
     {"Framasoft ~ Page portail du réseau", "Timeline of the Elves in Tolkien’s works | LotrProject Blog"}},
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

    {"favorites/ajaxmin-Documentation.url", 0, 1, {"ajaxmin-Documentation"}},
    {"favorites/assimp-Website.url", 0, 1, {"assimp-Website"}},
    {"favorites/cyberduck-Donate.url", 0, 1, {"cyberduck-Donate"}},
    // The tree: 9 folders (the tree itself included), 40 ordinary shortcuts
    // and 22 edge cases with an address; 4 shortcuts without a usable one
    // (empty, no key, only in DEFAULT, no section) and the files that are no
    // shortcuts give nothing.
    {"favorites/synthetic-tree", 9, 62,
     {"synthetic-tree", "Ärger & Co", "Café crème docs 1", "naïve façade beta 36", "Folder.url", "Empty folder",
      "upper-case extension", "UTF-16LE with BOM", "Привет мир", "日本語の名前", "emoji ☺ video 21"}},
};

void collectTitles(const Folder& folder, std::set<std::string>& titles) {
    for (ChildPosition p = folder.childrenBegin(); !p.isEnd(); ++p) {
        titles.insert(p.node()->title.str());
        if (const Folder* sub = p.node()->asFolder()) collectTitles(*sub, titles);
    }
}
}  // namespace

TEST(Corpus, EveryFileHasItsRowAndGivesTheItemsItHolds) {
    if (!fs::exists(kCorpus)) GTEST_SKIP() << "no corpus at " << kCorpus << ": real-file cases not run";
    std::set<std::string> listed;
    for (const auto& [file, folders, links, titles] : kFiles) {
        listed.insert(file);
        const std::string path = kCorpus + "/" + file;
        ASSERT_TRUE(fs::exists(path)) << path;
        Collection collection;
        FileListImporter importer(std::make_unique<PathList>(std::vector<std::string>{path}));
        const InsertedCounts counts = insertItems(collection, &collection, importer);
        EXPECT_EQ(std::make_pair(folders, links), std::make_pair(counts.folders, counts.links)) << file;
        std::set<std::string> found;
        collectTitles(collection, found);
        for (const std::string& title : titles) EXPECT_TRUE(found.count(title)) << file << ": " << title;
    }
    for (const auto& entry : fs::recursive_directory_iterator(kCorpus)) {
        if (!entry.is_regular_file()) continue;
        const std::string relative = fs::relative(entry.path(), kCorpus).generic_string();
        if (relative == "SOURCES.md" || relative.find("/synthetic-") != std::string::npos) continue;
        EXPECT_TRUE(listed.count(relative)) << relative << " has no expectations";
    }
}
