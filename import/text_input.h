#pragma once

// Buffered reading of a text file for the importers: whole blocks from the
// file, bytes and lines handed out from memory. A CR LF pair reads as one LF,
// the same on every platform; a lone CR stays as it is. The pairs are joined
// once per block as it arrives, so that scanning is a plain search of memory.

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>

#include "core/file_io.h"

// A set of a few byte values, for scanning up to the first byte of the set.
class ByteSet {
public:
    static constexpr std::size_t kMaxBytes = 8;

    constexpr ByteSet(std::initializer_list<unsigned char> bytes) : member_{}, bytes_{} {
        for (unsigned char byte : bytes) {
            member_[byte] = true;
            bytes_[count_++] = byte;
        }
    }
    constexpr bool contains(unsigned char byte) const { return member_[byte]; }
    // The first byte of the set in [at, end), or end; sixteen bytes a step
    // where the processor can.
    const char* find(const char* at, const char* end) const;

private:
    std::array<bool, 256> member_;
    std::array<unsigned char, kMaxBytes> bytes_;
    std::size_t count_ = 0;
};

class TextInput {
public:
    static constexpr int kEnd = -1;

    // Reads the file at `path`; a file that cannot be opened reads as empty
    // and result() tells why.
    explicit TextInput(const std::string& path);
    // Reads from `source`, which must outlive the input.
    explicit TextInput(ByteSource& source);
    TextInput(const TextInput&) = delete;
    TextInput& operator=(const TextInput&) = delete;

    bool isOpen() const { return source_ != nullptr; }
    void close();

    // The next byte (0-255), or kEnd.
    int get() {
        if (position_ == end_ && !refill()) return kEnd;
        return static_cast<unsigned char>(buffer_[position_++]);
    }
    // Puts back the byte that get() returned last (never kEnd).
    void unget() { --position_; }
    // Appends bytes to `out` up to the first byte of `stops`, which stays
    // unread; answers that byte, or kEnd when the input ends first.
    int appendUntil(std::string& out, const ByteSet& stops);
    // The same, dropping the bytes instead.
    int skipUntil(const ByteSet& stops);
    // Reads one line without its line feed; false at the end of the input.
    bool readLine(std::string& line);
    // At the very start of the input: skips a UTF-8 byte-order mark and
    // answers whether there was one.
    bool skipUtf8Mark();
    // True once a read has found the end of the input, or could read no further.
    bool atEnd() const { return ended_; }
    // Ok, or why the input could not be opened or read on (ReadFailed with
    // the offset of the first byte that could not be read).
    const Result& result() const { return result_; }

private:
    // Reads more after the unread bytes; false (and ended) when nothing came.
    bool refill();
    // The same without ending the input.
    bool readMore();
    std::size_t readSource(char* buffer, std::size_t capacity);

    std::unique_ptr<InputFile> file_;
    std::string path_;
    ByteSource* source_ = nullptr;
    std::unique_ptr<char[]> buffer_;
    std::size_t position_ = 0;
    std::size_t end_ = 0;
    // A CR read last, kept at buffer_[end_] until the byte after it shows
    // whether it starts a CR LF pair.
    bool heldReturn_ = false;
    bool ended_ = false;
    std::uint64_t bytesRead_ = 0;
    Result result_;
};
