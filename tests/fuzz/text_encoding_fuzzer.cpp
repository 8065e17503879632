// Any bytes: Windows-1252 text survives UTF-8 unchanged, and UTF-8 survives UTF-16.
#include "core/text_encoding.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (kalvex::Utf8ToCp1252(kalvex::Cp1252ToUtf8(bytes)) != bytes)
        __builtin_trap();
    const std::string text = kalvex::Utf16ToUtf8(kalvex::Utf8ToUtf16(bytes));
    if (kalvex::Utf16ToUtf8(kalvex::Utf8ToUtf16(text)) != text)
        __builtin_trap();
    return 0;
}
