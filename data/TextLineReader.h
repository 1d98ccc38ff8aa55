#pragma once

#include "data/ByteOrderMark.h"

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Reads a text file as fgets with a 500-byte buffer does on a text-mode stream: CR LF, and a lone
// CR as old spreadsheets end their lines, arrive as a single LF, and each read yields at most 499
// bytes, up to and including the first LF. A longer line therefore arrives in several pieces, each
// of which the callers treat as a line; a reader given a larger line limit takes longer lines
// whole. A byte-order mark is no part of the first line, and UTF-16 text arrives as UTF-8.
class TextLineReader
{
public:
    static constexpr std::size_t kBufferSize = 500;

    // A reader that looks at a few lines only reads in smaller chunks.
    explicit TextLineReader(const std::string &path, std::size_t chunkSize = 64 * 1024,
        std::size_t lineLimit = kBufferSize);

    bool isOpen() const { return m_file != nullptr; }

    // The next piece as the C string functions see it (cut at an embedded NUL byte); nothing at
    // the end of the file. The view stays valid until the next call.
    std::optional<std::string_view> readLine();
    // The line of the file (from 1) the last piece belongs to; 0 before the first.
    int lineNumber() const { return m_lineNumber; }
    // What the file's byte-order mark said; known once the first line has been read.
    TextEncoding encoding() const { return m_encoding; }

private:
    int nextByte();
    int peekByte();
    bool refill();
    void takeFirstRead();

    struct FileCloser
    {
        void operator()(std::FILE *file) const { std::fclose(file); }
    };
    std::unique_ptr<std::FILE, FileCloser> m_file;
    std::vector<char> m_chunk;
    std::size_t m_pos = 0;
    std::size_t m_end = 0;
    std::optional<Utf16Decoder> m_utf16;
    std::vector<char> m_raw; // UTF-16 bytes as read, before decoding into m_chunk
    TextEncoding m_encoding = TextEncoding::Plain;
    bool m_firstRead = true;
    int m_lineNumber = 0;
    bool m_atLineStart = true;
    std::size_t m_lineLimit;
    std::string m_piece;
};

// A line without its trailing line feed (the last line of a file may have none).
std::string_view withoutLineFeed(std::string_view line);
