#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kalvex {

// Builds the little-endian byte image of a factor file.
class ByteWriter {
public:
    void WriteU16(std::uint16_t value);
    void WriteU32(std::uint32_t value);
    void WriteDouble(double value);
    // u16 below 0xFFFF, otherwise 0xFFFF and a u32.
    void WriteCount(std::uint32_t value);
    // UTF-8 text as Windows-1252 with a length prefix; text the code page cannot hold is
    // written in the wide form (0xFF, 0xFFFE, length, UTF-16) so that nothing is lost.
    void WriteString(std::string_view text);

    const std::string& Bytes() const { return m_bytes; }

private:
    void WriteLittleEndian(std::size_t size, std::uint64_t value);
    void WriteLength(std::uint32_t length);

    std::string m_bytes;
};

} // namespace kalvex
