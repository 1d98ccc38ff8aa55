#pragma once

// Text files as spreadsheets and editors save them: plain bytes, UTF-8 behind a byte-order mark,
// or UTF-16 ("Unicode text") behind its mark. The readers take every form as the same bytes.

#include <cstddef>
#include <string_view>
#include <vector>

enum class TextEncoding { Plain, Utf8Bom, Utf16Le, Utf16Be };

struct ByteOrderMark
{
    TextEncoding encoding = TextEncoding::Plain;
    std::size_t length = 0; // bytes the mark takes at the start of the file
};

// The mark the first bytes of a file begin with; Plain and 0 for none.
ByteOrderMark findByteOrderMark(std::string_view start);

// Turns UTF-16 into UTF-8 one read at a time: a code unit or surrogate pair cut by the end of one
// read is finished by the next. A lone surrogate becomes U+FFFD.
class Utf16Decoder
{
public:
    explicit Utf16Decoder(bool bigEndian)
        : m_bigEndian(bigEndian)
    {
    }

    // Appends the UTF-8 of the bytes to out.
    void decode(std::string_view bytes, std::vector<char> &out);

private:
    void appendCodePoint(char32_t code, std::vector<char> &out);

    bool m_bigEndian;
    int m_pendingByte = -1; // the first byte of a code unit whose second is still to come
    char16_t m_highSurrogate = 0;
};
