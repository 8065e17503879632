#include "core/byte_writer.h"

#include "core/text_encoding.h"

#include <bit>

namespace kalvex {

void ByteWriter::WriteLittleEndian(std::size_t size, std::uint64_t value)
{
    for (std::size_t i = 0; i < size; ++i)
        m_bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
}

void ByteWriter::WriteU16(std::uint16_t value)
{
    WriteLittleEndian(2, value);
}

void ByteWriter::WriteU32(std::uint32_t value)
{
    WriteLittleEndian(4, value);
}

void ByteWriter::WriteDouble(double value)
{
    WriteLittleEndian(8, std::bit_cast<std::uint64_t>(value));
}

void ByteWriter::WriteCount(std::uint32_t value)
{
    if (value < 0xFFFF) {
        WriteU16(static_cast<std::uint16_t>(value));
        return;
    }
    WriteU16(0xFFFF);
    WriteU32(value);
}

// 0xFFFE is left out of the two-byte form: it is the wide-text marker.
void ByteWriter::WriteLength(std::uint32_t length)
{
    if (length < 0xFF) {
        WriteLittleEndian(1, length);
    } else if (length < 0xFFFE) {
        WriteLittleEndian(1, 0xFF);
        WriteU16(static_cast<std::uint16_t>(length));
    } else {
        WriteLittleEndian(1, 0xFF);
        WriteU16(0xFFFF);
        WriteU32(length);
    }
}

void ByteWriter::WriteString(std::string_view text)
{
    if (const auto narrow = Utf8ToCp1252(text)) {
        WriteLength(static_cast<std::uint32_t>(narrow->size()));
        m_bytes += *narrow;
        return;
    }
    const std::u16string units = Utf8ToUtf16(text);
    WriteLittleEndian(1, 0xFF);
    WriteU16(0xFFFE);
    WriteLength(static_cast<std::uint32_t>(units.size()));
    for (char16_t unit : units)
        WriteU16(unit);
}

} // namespace kalvex
