#include "data/TextLineReader.h"

#include <algorithm>
#include <cstring>

TextLineReader::TextLineReader(
    const std::string &path, std::size_t chunkSize, std::size_t lineLimit)
    : m_file(std::fopen(path.c_str(), "rb"))
    , m_lineLimit(std::max<std::size_t>(lineLimit, 2))
{
    if (m_file)
        m_chunk.resize(std::max<std::size_t>(chunkSize, 4));
}

void TextLineReader::takeFirstRead()
{
    m_firstRead = false;
    const ByteOrderMark mark = findByteOrderMark({ m_chunk.data(), m_end });
    m_encoding = mark.encoding;
    m_pos = mark.length;
    if (mark.encoding != TextEncoding::Utf16Le && mark.encoding != TextEncoding::Utf16Be)
        return;
    m_utf16.emplace(mark.encoding == TextEncoding::Utf16Be);
    const std::size_t chunkSize = m_chunk.size();
    m_raw.assign(m_chunk.begin() + static_cast<std::ptrdiff_t>(mark.length),
        m_chunk.begin() + static_cast<std::ptrdiff_t>(m_end));
    m_chunk.clear();
    m_utf16->decode({ m_raw.data(), m_raw.size() }, m_chunk);
    m_raw.resize(chunkSize);
    m_pos = 0;
    m_end = m_chunk.size();
}

bool TextLineReader::refill()
{
    if (!m_file)
        return false;
    // A read may give nothing to hand on (a mark alone, half a UTF-16 code unit): read on.
    do {
        m_pos = 0;
        m_end = 0;
        if (m_utf16) {
            const std::size_t got = std::fread(m_raw.data(), 1, m_raw.size(), m_file.get());
            if (got == 0)
                return false;
            m_chunk.clear();
            m_utf16->decode({ m_raw.data(), got }, m_chunk);
            m_end = m_chunk.size();
            continue;
        }
        m_end = std::fread(m_chunk.data(), 1, m_chunk.size(), m_file.get());
        if (m_end == 0)
            return false;
        if (m_firstRead)
            takeFirstRead();
    } while (m_pos == m_end);
    return true;
}

int TextLineReader::nextByte()
{
    if (m_pos == m_end && !refill())
        return EOF;
    return static_cast<unsigned char>(m_chunk[m_pos++]);
}

int TextLineReader::peekByte()
{
    if (m_pos == m_end && !refill())
        return EOF;
    return static_cast<unsigned char>(m_chunk[m_pos]);
}

std::optional<std::string_view> TextLineReader::readLine()
{
    m_piece.clear();
    const std::size_t limit = m_lineLimit - 1;
    while (m_piece.size() < limit) {
        if (m_pos == m_end && !refill())
            break;
        // Plain bytes go over in one run; CR and LF are looked at one by one.
        const char *run = m_chunk.data() + m_pos;
        const std::size_t room = std::min(limit - m_piece.size(), m_end - m_pos);
        std::size_t plain = 0;
        while (plain < room && run[plain] != '\n' && run[plain] != '\r')
            ++plain;
        m_piece.append(run, plain);
        m_pos += plain;
        if (plain == room)
            continue;
        int c = nextByte();
        if (c == '\r') {
            if (peekByte() == '\n')
                nextByte();
            c = '\n';
        }
        m_piece += static_cast<char>(c);
        if (c == '\n')
            break;
    }
    if (m_piece.empty())
        return std::nullopt;
    if (m_atLineStart)
        ++m_lineNumber;
    m_atLineStart = m_piece.back() == '\n';
    const std::size_t nul = m_piece.find('\0');
    return std::string_view(m_piece.data(), nul == std::string::npos ? m_piece.size() : nul);
}

std::string_view withoutLineFeed(std::string_view line)
{
    if (!line.empty() && line.back() == '\n')
        line.remove_suffix(1);
    return line;
}
