#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kalvex {

// Windows-1252 bytes to UTF-8. Every byte value maps to one character (the five bytes the
// code page leaves undefined map to U+0081, U+008D, U+008F, U+0090 and U+009D), so the
// conversion loses nothing and Utf8ToCp1252 gives the bytes back.
std::string Cp1252ToUtf8(std::string_view bytes);

// UTF-8 to Windows-1252; nothing when a character (or an invalid UTF-8 sequence) has no byte.
std::optional<std::string> Utf8ToCp1252(std::string_view text);

// UTF-8 and UTF-16 code units. Invalid sequences on either side become U+FFFD.
std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);

// The text with its ASCII capitals made small; every other byte stays, so UTF-8 stays valid and
// the result does not depend on the locale.
std::string AsciiLower(std::string_view text);

// The text without the white space at either end.
std::string Trimmed(std::string_view text);

} // namespace kalvex
