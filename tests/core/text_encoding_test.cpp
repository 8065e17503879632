#include "core/text_encoding.h"

#include <gtest/gtest.h>

namespace kalvex {
namespace {

TEST(TextEncoding, EveryWindows1252ByteComesBackUnchanged)
{
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        const auto back = Utf8ToCp1252(Cp1252ToUtf8(byte));
        ASSERT_TRUE(back.has_value()) << b;
        EXPECT_EQ(*back, byte) << b;
    }
}

TEST(TextEncoding, BytesMapToTheirCharacters)
{
    EXPECT_EQ(Cp1252ToUtf8("\x80"), "€");
    EXPECT_EQ(Cp1252ToUtf8("\x9F"), "Ÿ");
    EXPECT_EQ(Cp1252ToUtf8("\xB5\xB2\xB0\xB7\xA3\xC5"), "µ²°·£Å");
    EXPECT_EQ(Cp1252ToUtf8("\x81\x8D\x8F\x90\x9D"), "\u0081\u008D\u008F\u0090\u009D");
    EXPECT_EQ(Cp1252ToUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(TextEncoding, CharactersWithoutAByteAndBrokenUtf8HaveNoWindows1252Form)
{
    EXPECT_FALSE(Utf8ToCp1252("Ω").has_value());
    EXPECT_FALSE(Utf8ToCp1252("😀").has_value());
    EXPECT_FALSE(Utf8ToCp1252("\xC3").has_value());         // cut off
    EXPECT_FALSE(Utf8ToCp1252("\xC0\xAF").has_value());     // overlong
    EXPECT_FALSE(Utf8ToCp1252("\xED\xA0\x80").has_value()); // surrogate
    EXPECT_FALSE(Utf8ToCp1252("\xEF\xBF\xBD").has_value()); // U+FFFD itself
}

TEST(TextEncoding, Utf16KeepsEveryCharacterAndReplacesLoneSurrogates)
{
    const std::string text = "Å Ω 😀 €";
    const std::u16string units = Utf8ToUtf16(text);
    EXPECT_EQ(units, u"Å Ω 😀 €");
    EXPECT_EQ(Utf16ToUtf8(units), text);
    EXPECT_EQ(Utf16ToUtf8(std::u16string{u'a', char16_t(0xD800), u'b'}), "a\uFFFDb");
    EXPECT_EQ(Utf16ToUtf8(std::u16string{char16_t(0xDC00)}), "\uFFFD");
    EXPECT_EQ(Utf8ToUtf16("a\xFF"), u"a\uFFFD");
}

} // namespace
} // namespace kalvex
