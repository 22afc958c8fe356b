#pragma once

#include <string>

#include "core/result.h"

class Folder;
class Progress;

// Writes the tree below `root` through the template at `templatePath` into
// the file at `outputPath` (paths in UTF-8; see template_exporter.h for the
// output's encoding). The output goes to a temporary file beside the
// target that replaces it only when everything was written: on any failure a
// file already at `outputPath` stays as it was. The result's code is the
// export's error code (see url_export_error.h): 1 with the cause of the
// failed template read, 2 when the output is not writable or is the template
// itself, 3 to 7 for a TemplateMistake with its line, 8 when the output is
// the file at `collectionPath` (the file the tree came from; empty for none).
// `progress`, if any, is told the nodes passed of those in the tree.
Result exportCollection(const Folder& root, const std::string& templatePath, const std::string& outputPath,
                        const std::string& collectionPath = std::string(), Progress* progress = nullptr);
