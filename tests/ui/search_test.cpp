// Find and Find next in the real window with the English module.

#include "ui/window/search.h"

#include <gtest/gtest.h>

#include <string>

#include "core/wide_text_win.h"
#include "main_window_fixture.h"
#include "tree_text.h"
#include "ui/application.h"

namespace {
const char kOldNews[] = "old news, \xD1\x81\xD1\x82\xD0\xB0\xD1\x80\xD1\x8B\xD0\xB5";  // старые

class Search : public MainWindowFixture {
protected:
    // "Archive" is collapsed; the comma of kOldNews as the tree notation writes it.
    void SetUp() override {
        MainWindowFixture::SetUp();
        buildTree(theApp.collection, "{News one <http://one/>, Archive{old news\\x2C \xD1\x81\xD1\x82\xD0\xB0\xD1\x80"
                                     "\xD1\x8B\xD0\xB5 \"kept for later\" <http://old/>}, News two <http://two/>}");
        refresh();
        theApp.searchState = SearchState{};
    }

    // A step answering the search dialog with a text (the boxes as they are) and `button`.
    static DialogDriver::Step answerWith(const std::string& text, int button = IDOK) {
        return [=](HWND dialog) {
            ::SetDlgItemTextW(dialog, IDC_SEARCH_TEXT, wideText(text).c_str());
            pressButton(dialog, button);
        };
    }
};
}  // namespace

TEST_F(Search, FindTestsTheSelectionFindNextMovesOnAndOpensCollapsedFolders) {
    theApp.searchState.flags = SearchFlag::Titles | SearchFlag::Urls;
    select("News one");
    EXPECT_EQ(1u, runCommand(IDM_FIND, {answerWith("News")}));
    EXPECT_EQ("News one", selectedTitle());
    runCommand(IDM_FIND_NEXT);
    EXPECT_EQ("News two", selectedTitle());  // case matters: "old news" is passed over

    // Past the last match Find next offers to go on from the top: No stays,
    // Yes finds the first match; with no match at all it says so.
    for (const int answer : {IDNO, IDYES, IDYES}) {
        const bool nowhere = answer == IDYES && selectedTitle() == "News one";
        if (nowhere) theApp.searchState.text = "nowhere";
        std::string question, told = "(none)";
        EXPECT_EQ(nowhere ? 2u : 1u, runCommand(IDM_FIND_NEXT, {press(answer, &question), press(IDOK, &told)}));
        EXPECT_EQ("No further match was found below the selection.\n\nContinue from the top?", question);
        EXPECT_EQ(nowhere ? "No further match was found." : "(none)", told);
        EXPECT_EQ(answer == IDYES ? "News one" : "News two", selectedTitle());
    }

    // Case ignored ("NEWS, СТАРЫЕ"), a match in a collapsed folder is selected and shown.
    theApp.searchState.flags |= SearchFlag::IgnoreCase;
    EXPECT_EQ(1u, runCommand(IDM_FIND, {answerWith("NEWS, \xD0\xA1\xD0\xA2\xD0\x90\xD0\xA0\xD0\xAB\xD0\x95")}));
    EXPECT_EQ(kOldNews, selectedTitle());
    EXPECT_TRUE(expanded(TreeView_GetParent(tree(), TreeView_GetSelection(tree()))));  // Archive
}

TEST_F(Search, TheFoldersBoxFollowsTitlesAndDescriptionsAloneAreSearchedOnlyByFindNext) {
    theApp.searchState.flags = SearchFlag::Titles | SearchFlag::Folders;
    // As it comes, then with Titles unchecked: Folders is cleared though its box still shows the check.
    for (const std::uint32_t expected : {SearchFlag::Titles | SearchFlag::Folders, 0u}) {
        bool enabled = !expected;
        DialogDriver driver({[&](HWND dialog) {
            if (!expected) ::SendMessageW(::GetDlgItem(dialog, IDC_SEARCH_TITLES), BM_CLICK, 0, 0);
            enabled = ::IsWindowEnabled(::GetDlgItem(dialog, IDC_SEARCH_FOLDERS));
            pressButton(dialog, IDOK);
        }});
        ASSERT_TRUE(searchDialog(mainWindow(), theApp.searchState));
        EXPECT_EQ(expected != 0, enabled);
        EXPECT_EQ(expected, theApp.searchState.flags);
    }

    SearchState before = theApp.searchState;
    DialogDriver cancel({answerWith("changed", IDCANCEL)});
    EXPECT_FALSE(searchDialog(mainWindow(), theApp.searchState));
    EXPECT_EQ(before.text, theApp.searchState.text);

    // Descriptions alone are searched only by Find next, which without a text opens the dialog, as Find does.
    theApp.searchState.flags = SearchFlag::Descriptions;
    EXPECT_EQ(1u, runCommand(IDM_FIND_NEXT, {answerWith("later"), press(IDOK)}));  // no search, so no message either
    EXPECT_EQ("(none)", selectedTitle());
    runCommand(IDM_FIND_NEXT);
    EXPECT_EQ(kOldNews, selectedTitle());
}
