#pragma once

// The keywords of the template language and their numbers. A section or
// block keyword's closing keyword is always its number plus one.

#include <string_view>

enum TemplateKeyword : int {
    EndOfTemplate = 0,
    CollectionOpen = 1,   // collection
    CollectionClose,      // /collection
    FolderOpen,           // folder
    FolderClose,          // /folder
    UrlOpen,              // url
    UrlClose,             // /url
    FolderStartOpen,      // folderstart
    FolderStartClose,     // /folderstart
    FolderEndOpen,        // folderend
    FolderEndClose,       // /folderend
    LineBreakOpen,        // nl:
    LineBreakClose,       // /nl:
    FileNameOpen,         // filename
    FileNameClose,        // /filename
    AnsiSetting,          // ansi
    OemSetting,           // oem
    LinkValue,            // link
    TitleValue,           // title
    NoteValue,            // note
    IdValue,              // id
    ParentIdValue,        // parentid
    LevelValue,           // level
    NewLineValue,         // nl
    TabValue,             // tab
    LeftBraceValue,       // left
    RightBraceValue,      // right
    HtmlSetting,          // html
    PlainSetting,         // plain
    WebLinkOpen,          // weblink
    WebLinkClose,         // /weblink
    NoWebLinkOpen,        // noweblink
    NoWebLinkClose,       // /noweblink
    KeywordCount
};

// The keyword whose name equals `name` when ASCII capitals are lowered;
// EndOfTemplate (0) when there is none. Nothing is trimmed.
TemplateKeyword lookupKeyword(std::string_view name);

// The keyword's name as the table spells it.
std::string_view keywordName(TemplateKeyword keyword);
