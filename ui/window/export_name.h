#pragma once

// The output name that Export suggests: the collection's title in the folder
// of the last export, with the extension of what the template writes.

#include <cstddef>
#include <string>
#include <string_view>

// How much of a template isHtmlTemplate needs to see.
inline constexpr std::size_t kTemplateSniffSize = 4096;

// A template writes HTML when its name says so before ".lht"
// ("page.html.lht", "list.htm.lht"), or when its beginning holds the start
// of an HTML document or of a browser's bookmark file: "<html",
// "<!DOCTYPE html" or "<!DOCTYPE NETSCAPE-Bookmark-file", in any case. An
// XML or plain-text template holds none of these.
bool isHtmlTemplate(std::string_view templatePath, std::string_view beginning);

// The path up to and including its last "\" or "/"; empty without one.
std::string folderOf(std::string_view path);

// `folder` + the name + ".html" or ".txt", where the name is `title` made a
// safe file name, or `fallback` when nothing of the title is left.
std::string suggestedExportPath(std::string_view folder, std::string title, std::string_view fallback, bool html);

// Whether opening the file would run it rather than show it: a program, a
// script, a shortcut or the like, by its extension. An export holds titles
// and addresses from anywhere, so such an output is not offered to be opened.
bool runsWhenOpened(std::string_view path);
