#pragma once

#include <cstdio>
#include <string>
#include <vector>

// linkhaven-cli export COLLECTION.lhv TEMPLATE.lht OUTPUT: writes the
// collection through the template. 0 on success; 1 when the collection cannot
// be read or the export fails (the message goes to `err`, and no partial
// output is left); 2 on bad usage.
int runExportCommand(const std::vector<std::string>& arguments, std::FILE* out, std::FILE* err);
