#pragma once

#include <cstdio>
#include <string>
#include <vector>

class Collection;

// Prints the tree, one node a line: the collection's title, then each folder
// as "+ name" and each link as "- title <address>", indented two blanks a level.
void printCollection(const Collection& collection, std::FILE* out);

// linkhaven-cli list FILE.lhv: 0 when the file loaded, 1 when it could not be
// opened or read completely (what was read is printed all the same), 2 on bad usage.
int runListCommand(const std::vector<std::string>& arguments, std::FILE* out, std::FILE* err);
