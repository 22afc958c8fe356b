#pragma once

#include <string>

class Folder;

// Writes the tree below `root` through the template at `templatePath` into
// the file at `outputPath`. The output goes to a temporary file beside the
// target that replaces it only when everything was written: on any error
// UrlExport::Error is raised and a file already at `outputPath` stays as it
// was. Codes 1 (template unreadable) and 2 (output not writable, or the
// output is the template itself) come from here, the others from the reader.
void exportCollection(const Folder& root, const std::string& templatePath, const std::string& outputPath);
