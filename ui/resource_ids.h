/* Identifiers shared by the program and its language modules: included by
   C++ code and by the resource scripts, so plain macros only. */
#ifndef LINKHAVEN_UI_RESOURCE_IDS_H
#define LINKHAVEN_UI_RESOURCE_IDS_H

/* Resources of the program itself. */
#define IDI_PROGRAM 101

/* Strings of a language module. */
#define IDS_APP_TITLE 102
#define IDS_ASK_SAVE 103
#define IDS_FILTER_COLLECTIONS 104
#define IDS_CANNOT_OPEN 105
#define IDS_CANNOT_SAVE 106
#define IDS_DOCUMENT_TYPE 107
#define IDS_FIELD_REQUIRED 108
#define IDS_CONFIRM_DELETE_FOLDER 109
#define IDS_NOT_FOUND 110
#define IDS_TEMPLATE_DIALOG_TITLE 111
#define IDS_EXPORT_DIALOG_TITLE 112
#define IDS_FILTER_TEMPLATES 113
#define IDS_FILTER_ALL_FILES 114
#define IDS_MENU_EMPTY 115
#define IDS_LANGUAGE_ID 116
#define IDS_LANGUAGE_NAME 117
#define IDS_HELP_FILE 118
/* Why a collection could not be opened or saved: %1 the file, %2 a byte offset. */
#define IDS_OPEN_NOT_FOUND 119
#define IDS_OPEN_NO_ACCESS 120
#define IDS_OPEN_NOT_RECOGNIZED 121
#define IDS_OPEN_DAMAGED 122
#define IDS_OPEN_TOO_DEEP 123
#define IDS_OPEN_READ_FAILED 124
#define IDS_SAVE_TOO_DEEP 125
/* Why a link is not opened, or whether it should be: %1 the address. */
#define IDS_LINK_REFUSED 126
#define IDS_LINK_ASK 127
// The Undo and Redo commands: the menu texts, plain and naming a step (%1),
// and the steps' names (%1 the item concerned).
#define IDS_UNDO 128
#define IDS_UNDO_STEP 129
#define IDS_REDO 130
#define IDS_REDO_STEP 131
#define IDS_STEP_NEW_LINK 132
#define IDS_STEP_NEW_FOLDER 133
#define IDS_STEP_PROPERTIES 134
#define IDS_STEP_RENAME 135
#define IDS_STEP_COLLECTION_TITLE 136
#define IDS_STEP_DELETE 137
#define IDS_STEP_CUT 138
#define IDS_STEP_PASTE 139
#define IDS_STEP_DROP 140
#define IDS_STEP_MOVE 141
#define IDS_STEP_COPY 142
#define IDS_STEP_SORT 143
#define IDS_STEP_ADD_PAGE 144
#define IDS_STEP_IMPORT 145
// Importing through the File menu, and what an import brought.
#define IDS_FILTER_BOOKMARK_FILES 146
#define IDS_IMPORT_DIALOG_TITLE 147
#define IDS_IMPORT_FOLDER_TITLE 148
#define IDS_IMPORT_SUMMARY 149
#define IDS_IMPORT_NOTHING 150
#define IDS_IMPORT_NOT_FOUND 151
#define IDS_IMPORT_UNREADABLE 152
#define IDS_IMPORT_NOT_RECOGNIZED 153
#define IDS_SKIPPED_QUERIES 154
#define IDS_SKIPPED_WITHOUT_ADDRESS 155
#define IDS_SKIPPED_OTHER_FILES 156
#define IDS_OPEN_OFFERS_IMPORT 157
// File > Import from Browser: a profile's label (%1 the browser, %2 the
// profile), a Firefox profile without an HTML export, and how to make one.
#define IDS_BROWSER_PROFILE 158
#define IDS_FIREFOX_WITHOUT_EXPORT 159
#define IDS_FIREFOX_HOW_TO_EXPORT 160
#define IDS_LAST_STRING IDS_FIREFOX_HOW_TO_EXPORT
/* Export's suggested name and its offer to open the result (%1 the file),
   Find next going on from the top, a recent collection that is gone (%1). */
#define IDS_EXPORT_DEFAULT_NAME 170
#define IDS_EXPORT_OPEN_RESULT 171
#define IDS_FIND_FROM_TOP 172
#define IDS_RECENT_MISSING 173
/* The progress of long work: reading items, how many (%1), what Cancel
   does; exporting, opening, saving. */
#define IDS_WORK_READING 174
#define IDS_WORK_COUNT 175
#define IDS_WORK_CANCELLING 176
#define IDS_WORK_EXPORTING 177
#define IDS_WORK_OPENING 178
#define IDS_WORK_SAVING 179
#define IDS_FIRST_EDGE_STRING IDS_EXPORT_DEFAULT_NAME
#define IDS_LAST_EDGE_STRING IDS_WORK_SAVING

/* Menus, accelerators, images and dialogs of a language module. */
#define IDM_MAIN 102
#define IDM_TREE_CONTEXT 110
#define IDA_MAIN 102
#define IDB_TREE_IMAGES 104
#define IDD_LINK 105
#define IDD_FOLDER 106
#define IDD_COLLECTION_TITLE 108
#define IDD_ABOUT 109
#define IDD_SEARCH 111

/* Export error messages: the message table entry of error code N is
   IDMSG_EXPORT_ERROR_BASE + N, for N from 1 to 7. */
#define IDMSG_EXPORT_ERROR_BASE 0x01010000

/* Dialog controls. */
#define IDC_NAME 1000
#define IDC_URL 1001
#define IDC_DESCRIPTION 1002
#define IDC_SEARCH_TEXT 1005
#define IDC_SEARCH_IGNORE_CASE 1006
#define IDC_SEARCH_URLS 1007
#define IDC_SEARCH_TITLES 1008
#define IDC_SEARCH_DESCRIPTIONS 1009
#define IDC_SEARCH_FOLDERS 1010
#define IDC_SEARCH_FROM_TOP 1011
#define IDC_ABOUT_PRODUCT 1012
#define IDC_ABOUT_COPYRIGHT 1013
#define IDC_ABOUT_ICON 1014

/* Main window children. */
#define IDC_TREE 1
#define IDC_DESCRIPTION_PANE 2

/* Menu and accelerator commands. */
#define IDM_EXIT 40002
#define IDM_ABOUT 40003
#define IDM_SAVE_AS 40004
#define IDM_HELP 40005
#define IDM_NEW_FOLDER 40006
#define IDM_COLLECTION_TITLE 40009
#define IDM_NEW_COLLECTION 40010
#define IDM_OPEN 40011
#define IDM_SAVE 40012
#define IDM_NEW_LINK 40013
#define IDM_DELETE 40014
#define IDM_PROPERTIES 40015
#define IDM_SWITCH_PANE 40016
#define IDM_CUT 40017
#define IDM_COPY 40018
#define IDM_PASTE 40019
#define IDM_RENAME 40020
#define IDM_FONT 40021
#define IDM_MINIMIZE_ON_USE 40022
#define IDM_MAXIMIZED_BROWSER 40023
#define IDM_SAVE_AUTOMATICALLY 40024
#define IDM_FIND 40025
#define IDM_FIND_NEXT 40026
#define IDM_EXPORT 40027
#define IDM_SORT 40029
#define IDM_UNDO 40030
#define IDM_REDO 40031
#define IDM_IMPORT 40032
#define IDM_IMPORT_FOLDER 40033
/* The tree's context menu: open or copy the address of the selected link,
   and the menu itself from the keyboard (Shift+F10). */
#define IDM_OPEN_LINK 40040
#define IDM_COPY_ADDRESS 40041
#define IDM_CONTEXT_MENU 40042
#define IDM_LANGUAGE_FIRST 41000
#define IDM_LANGUAGE_LAST 41100
#define IDM_BROWSER_PROFILE_FIRST 44000
#define IDM_BROWSER_PROFILE_LAST 44099
#define IDM_BROWSER_WINDOW_FIRST 42000
#define IDM_BROWSER_WINDOW_LAST 42099
/* The File menu's recent collections, the most recent first. */
#define IDM_RECENT_FIRST 43000
#define IDM_RECENT_LAST 43003

/* Help topics. */
#define HELP_TOPIC_COLLECTION_TITLE 100
#define HELP_TOPIC_FOLDER 101
#define HELP_TOPIC_LINK 102
#define HELP_TOPIC_SEARCH 103

#endif
