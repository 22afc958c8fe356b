#include "command_line.h"

#include <cctype>

namespace {
bool isBlank(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }
}  // namespace

std::optional<std::string> firstArgument(std::string_view commandLine) {
    std::size_t start = 0;
    while (start < commandLine.size() && isBlank(commandLine[start])) ++start;
    std::size_t end = start;
    if (start < commandLine.size() && commandLine[start] == '"') {
        end = ++start;
        while (end < commandLine.size() && commandLine[end] != '"') ++end;
    } else {
        while (end < commandLine.size() && !isBlank(commandLine[end])) ++end;
    }
    if (end == start) return std::nullopt;
    return std::string(commandLine.substr(start, end - start));
}
