#pragma once

// The answer of every reader and writer: whether it worked and, when not,
// what went wrong and where. A failed reader still leaves what it read
// before the failure; the result says where that was.

#include <cstdint>
#include <string>
#include <utility>

enum class ResultStatus : std::uint8_t {
    Ok = 0,
    NotFound,       // the file or folder does not exist
    NoAccess,       // it exists but may not be opened (permissions, sharing, a folder)
    ReadFailed,     // the system failed while reading
    WriteFailed,    // creating, writing, flushing or replacing the output failed
    NotRecognized,  // not a file of the kind expected (wrong magic, unknown version)
    Damaged,        // the kind expected, but broken at `offset`
    TooDeep,        // nested deeper than the program accepts, at `offset`
    TemplateMistake,  // an export template's mistake at `line`; `code` tells which
};

struct Result {
    ResultStatus status = ResultStatus::Ok;
    std::string path;          // the file concerned, where there is one
    std::uint64_t offset = 0;  // byte offset of the failure, where it has one
    std::int32_t line = 0;     // line of the failure in a text format; 0 where none
    std::int32_t code = 0;     // a format's own error number; 0 where none

    explicit operator bool() const { return status == ResultStatus::Ok; }
    bool ok() const { return status == ResultStatus::Ok; }

    static Result failure(ResultStatus status, std::string path = {}, std::uint64_t offset = 0) {
        Result result;
        result.status = status;
        result.path = std::move(path);
        result.offset = offset;
        return result;
    }
    static Result templateMistake(std::int32_t errorCode, std::int32_t templateLine, std::string path = {}) {
        Result result = failure(ResultStatus::TemplateMistake, std::move(path));
        result.code = errorCode;
        result.line = templateLine;
        return result;
    }
    // The same result naming `filePath` when it failed, unless it names a file already.
    Result& at(const std::string& filePath) {
        if (!ok() && path.empty()) path = filePath;
        return *this;
    }
};

// A short English phrase for the status ("not found", "damaged"), for the
// command-line tool and logs; the window takes its texts from the language module.
const char* describe(ResultStatus status);
// The whole result in one English line: "PATH: damaged at byte 44".
std::string describe(const Result& result);
