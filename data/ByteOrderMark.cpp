#include "data/ByteOrderMark.h"

ByteOrderMark findByteOrderMark(std::string_view start)
{
    if (start.starts_with("\xEF\xBB\xBF"))
        return { TextEncoding::Utf8Bom, 3 };
    if (start.starts_with("\xFF\xFE"))
        return { TextEncoding::Utf16Le, 2 };
    if (start.starts_with("\xFE\xFF"))
        return { TextEncoding::Utf16Be, 2 };
    return {};
}

void Utf16Decoder::appendCodePoint(char32_t code, std::vector<char> &out)
{
    const auto put = [&out](char32_t bits) { out.push_back(static_cast<char>(bits)); };
    if (code < 0x80) {
        put(code);
    } else if (code < 0x800) {
        put(0xC0 | (code >> 6));
        put(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        put(0xE0 | (code >> 12));
        put(0x80 | ((code >> 6) & 0x3F));
        put(0x80 | (code & 0x3F));
    } else {
        put(0xF0 | (code >> 18));
        put(0x80 | ((code >> 12) & 0x3F));
        put(0x80 | ((code >> 6) & 0x3F));
        put(0x80 | (code & 0x3F));
    }
}

void Utf16Decoder::decode(std::string_view bytes, std::vector<char> &out)
{
    constexpr char32_t kReplacement = 0xFFFD;
    for (const char byte : bytes) {
        const unsigned value = static_cast<unsigned char>(byte);
        if (m_pendingByte < 0) {
            m_pendingByte = static_cast<int>(value);
            continue;
        }
        const auto first = static_cast<unsigned>(m_pendingByte);
        m_pendingByte = -1;
        const auto unit
            = static_cast<char16_t>(m_bigEndian ? (first << 8) | value : (value << 8) | first);
        const bool high = unit >= 0xD800 && unit <= 0xDBFF;
        const bool low = unit >= 0xDC00 && unit <= 0xDFFF;
        if (m_highSurrogate != 0) {
            if (low) {
                appendCodePoint(
                    0x10000 + ((char32_t { m_highSurrogate } - 0xD800) << 10) + (unit - 0xDC00u),
                    out);
                m_highSurrogate = 0;
                continue;
            }
            appendCodePoint(kReplacement, out);
            m_highSurrogate = 0;
        }
        if (high)
            m_highSurrogate = unit;
        else
            appendCodePoint(low ? kReplacement : char32_t { unit }, out);
    }
}
