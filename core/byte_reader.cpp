#include "core/byte_reader.h"

#include "core/text_encoding.h"

#include <algorithm>
#include <bit>

namespace kalvex {

bool ByteReader::ReadLittleEndian(std::size_t size, std::uint64_t& value)
{
    if (Remaining() < size)
        return false;
    value = 0;
    for (std::size_t i = 0; i < size; ++i)
        value |= std::uint64_t(static_cast<unsigned char>(m_bytes[m_pos + i])) << (8 * i);
    m_pos += size;
    return true;
}

bool ByteReader::ReadU8(std::uint8_t& value)
{
    std::uint64_t raw = 0;
    if (!ReadLittleEndian(1, raw))
        return false;
    value = static_cast<std::uint8_t>(raw);
    return true;
}

bool ByteReader::ReadU16(std::uint16_t& value)
{
    std::uint64_t raw = 0;
    if (!ReadLittleEndian(2, raw))
        return false;
    value = static_cast<std::uint16_t>(raw);
    return true;
}

bool ByteReader::ReadU32(std::uint32_t& value)
{
    std::uint64_t raw = 0;
    if (!ReadLittleEndian(4, raw))
        return false;
    value = static_cast<std::uint32_t>(raw);
    return true;
}

bool ByteReader::ReadDouble(double& value)
{
    std::uint64_t raw = 0;
    if (!ReadLittleEndian(8, raw))
        return false;
    value = std::bit_cast<double>(raw);
    return true;
}

bool ByteReader::ReadCount(std::uint32_t& value)
{
    std::uint16_t shortCount = 0;
    if (!ReadU16(shortCount))
        return false;
    if (shortCount != 0xFFFF) {
        value = shortCount;
        return true;
    }
    return ReadU32(value);
}

// Byte below 0xFF; or 0xFF and a u16 below 0xFFFF; or 0xFF, 0xFFFF and a u32. The u16
// 0xFFFE in the first prefix announces wide text, whose length prefix follows.
bool ByteReader::ReadLength(std::uint32_t& length, bool& wide)
{
    wide = false;
    std::uint8_t shortLength = 0;
    if (!ReadU8(shortLength))
        return false;
    if (shortLength != 0xFF) {
        length = shortLength;
        return true;
    }
    std::uint16_t mediumLength = 0;
    if (!ReadU16(mediumLength))
        return false;
    if (mediumLength == 0xFFFE) {
        wide = true;
        if (!ReadU8(shortLength))
            return false;
        if (shortLength != 0xFF) {
            length = shortLength;
            return true;
        }
        if (!ReadU16(mediumLength))
            return false;
    }
    if (mediumLength != 0xFFFF) {
        length = mediumLength;
        return true;
    }
    return ReadU32(length);
}

bool ByteReader::ReadString(std::string& text)
{
    std::uint32_t length = 0;
    bool wide = false;
    if (!ReadLength(length, wide))
        return false;
    const std::size_t charSize = wide ? 2 : 1;
    if (length > kMaxTextLength || Remaining() / charSize < length)
        return false;
    const std::size_t byteCount = length * charSize;
    const std::string_view chars = m_bytes.substr(m_pos, byteCount);
    m_pos += byteCount;
    if (!wide) {
        text = Cp1252ToUtf8(chars);
        return true;
    }
    std::u16string units(length, u'\0');
    for (std::size_t i = 0; i < length; ++i) {
        units[i] = static_cast<char16_t>(static_cast<unsigned char>(chars[2 * i]) |
                                         (static_cast<unsigned char>(chars[2 * i + 1]) << 8));
    }
    text = Utf16ToUtf8(units);
    return true;
}

std::string_view ByteReader::ReadAtMost(std::size_t count)
{
    const std::size_t taken = std::min(count, Remaining());
    const std::string_view part = m_bytes.substr(m_pos, taken);
    m_pos += taken;
    return part;
}

} // namespace kalvex
