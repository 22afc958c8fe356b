#pragma once

// Reading what the argument recorder (argument_recorder.cpp) wrote.

#include <windows.h>

#include <stdexcept>
#include <string>

#include "test_files.h"

// Waits up to ten seconds for the recorder's file and reads it; empty if it
// never came. The recorder renames a finished file into place, but the new
// name may show a moment before the file can be opened.
inline std::string awaitArgumentRecord(const std::string& path) {
    for (int attempt = 0; attempt < 200; ++attempt) {
        if (fileExists(path)) {
            try {
                return readFileBytes(path);
            } catch (const std::runtime_error&) {
            }
        }
        ::Sleep(50);
    }
    return {};
}
