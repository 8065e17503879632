#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kalvex {

// The longest text read: the longest whose length fits the two-byte prefix, far beyond the
// 639 characters the program ever stores.
inline constexpr std::uint32_t kMaxTextLength = 65533;
// Its largest stored form: the wide prefix (0xFF, 0xFFFE, 0xFF, u16) and two bytes a character.
inline constexpr std::size_t kMaxStoredTextSize = 6 + 2 * std::size_t(kMaxTextLength);

// Reads the little-endian items of a factor file from a byte image. Every read checks that
// the item fits what is left and reports false instead of reading past the end.
class ByteReader {
public:
    explicit ByteReader(std::string_view bytes) : m_bytes(bytes) {}

    bool ReadU16(std::uint16_t& value);
    bool ReadU32(std::uint32_t& value);
    bool ReadDouble(double& value);
    // u16, or 0xFFFF followed by a u32.
    bool ReadCount(std::uint32_t& value);
    // A length-prefixed Windows-1252 text, or the wide form (0xFF, 0xFFFE, length, UTF-16);
    // the result is UTF-8. A text longer than kMaxTextLength is refused.
    bool ReadString(std::string& text);
    // Up to count bytes, fewer when the image ends first.
    std::string_view ReadAtMost(std::size_t count);

    std::size_t Remaining() const { return m_bytes.size() - m_pos; }

private:
    bool ReadU8(std::uint8_t& value);
    bool ReadLength(std::uint32_t& length, bool& wide);
    bool ReadLittleEndian(std::size_t size, std::uint64_t& value);

    std::string_view m_bytes;
    std::size_t m_pos = 0;
};

} // namespace kalvex
