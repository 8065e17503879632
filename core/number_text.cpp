#include "core/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

namespace kalvex {
namespace {

// The typed text is read from a working copy of this many characters.
constexpr std::size_t kEntryCharacters = 39;
// More significant digits than a double holds say nothing more; keeps every text short.
constexpr int kMaxPrecision = 17;
constexpr int kExponentDigits = 3;

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The first `count` UTF-8 characters of the text (a character is a lead byte and its
// continuation bytes), cut at an embedded terminator as the C string it stands for.
std::string_view FirstCharacters(std::string_view text, std::size_t count)
{
    text = text.substr(0, text.find('\0'));
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && characters++ == count)
            return text.substr(0, i);
    }
    return text;
}

std::size_t SkipDigits(std::string_view text, std::size_t i)
{
    while (i < text.size() && IsDigit(text[i]))
        ++i;
    return i;
}

// The decimal exponent of a literal's first significant digit, for telling an overflow
// from an underflow; saturates far beyond the range of a double.
long DecimalMagnitude(std::string_view mantissa, long exponent)
{
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos)
        return 0;
    const long position = first < point ? long(point - first) - 1 : -long(first - point);
    return position + exponent;
}

long SaturatedExponent(std::string_view digits, bool negative)
{
    long exponent = 0;
    for (char c : digits)
        exponent = std::min(exponent * 10 + (c - '0'), 100000L);
    return negative ? -exponent : exponent;
}

// The value of the longest leading decimal literal: blanks, a sign, digits with an optional
// point, an optional exponent. No literal reads as 0; hex, "inf" and "nan" are no literals.
double ReadNumber(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    const std::size_t mantissaStart = i;
    i = SkipDigits(text, i);
    bool anyDigit = i > mantissaStart;
    if (i < text.size() && text[i] == '.') {
        const std::size_t fractionStart = i + 1;
        i = SkipDigits(text, fractionStart);
        anyDigit = anyDigit || i > fractionStart;
    }
    if (!anyDigit)
        return 0.0;
    const std::size_t mantissaEnd = i;
    long exponent = 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        const bool negativeExponent = j < text.size() && text[j] == '-';
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        const std::size_t exponentEnd = SkipDigits(text, j);
        if (exponentEnd > j) {
            exponent = SaturatedExponent(text.substr(j, exponentEnd - j), negativeExponent);
            i = exponentEnd;
        }
    }
    const char* first = text.data() + mantissaStart;
    double value = 0.0;
    const auto result = std::from_chars(first, text.data() + i, value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        const long magnitude =
            DecimalMagnitude(text.substr(mantissaStart, mantissaEnd - mantissaStart), exponent);
        value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}

// "numerator/denominator" up to any further slash; nothing when the denominator is missing or 0.
std::optional<double> ReadFraction(std::string_view text)
{
    const std::size_t slash = text.find('/');
    if (slash == std::string_view::npos)
        return std::nullopt;
    const std::string_view afterSlash = text.substr(slash + 1);
    const double denominator = ReadNumber(afterSlash.substr(0, afterSlash.find('/')));
    if (denominator == 0.0)
        return std::nullopt;
    return ReadNumber(text.substr(0, slash)) / denominator;
}

std::string NonFiniteText(double value)
{
    if (std::isnan(value))
        return "nan";
    return value < 0 ? "-inf" : "inf";
}

// The C library's "e+08" becomes "e+008": a sign and exactly three digits.
std::string WithThreeDigitExponent(std::string_view text)
{
    const std::size_t e = text.find('e');
    if (e == std::string_view::npos)
        return std::string(text);
    const std::size_t digits = text.size() - (e + 2);
    std::string result(text.substr(0, e + 2));
    if (digits < kExponentDigits)
        result.append(kExponentDigits - digits, '0');
    result += text.substr(e + 2);
    return result;
}

std::string_view ToChars(char (&buffer)[64], double value, std::chars_format format, int precision)
{
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, format, precision);
    return {buffer, std::size_t(result.ptr - buffer)};
}

// Removes the zeros that end the digits after the point (before any exponent); the point stays.
std::string WithoutTrailingZeros(std::string text)
{
    const std::size_t point = text.find('.');
    if (point == std::string::npos)
        return text;
    const std::size_t digitsEnd = std::min(text.find('e'), text.size());
    std::size_t end = digitsEnd;
    while (end > point + 1 && text[end - 1] == '0')
        --end;
    text.erase(end, digitsEnd - end);
    return text;
}

// The power of ten of the first significant digit of the exact value, before any rounding:
// twenty digits are enough to keep a double just below a power of ten below it.
int DecimalExponent(double value)
{
    if (value == 0.0)
        return 0;
    char buffer[64];
    const std::string_view text = ToChars(buffer, value, std::chars_format::scientific, 20);
    int exponent = 0;
    const std::size_t e = text.find('e');
    const std::size_t start = e + (text[e + 1] == '+' ? 2 : 1);
    std::from_chars(text.data() + start, text.data() + text.size(), exponent);
    return exponent;
}

bool IsInNumber(char c)
{
    return IsDigit(c) || c == '.' || c == ',';
}

// The run of digits, points and commas around position i.
std::string_view NumberAround(std::string_view text, std::size_t i)
{
    std::size_t start = i;
    while (start > 0 && IsInNumber(text[start - 1]))
        --start;
    std::size_t end = i;
    while (end < text.size() && IsInNumber(text[end]))
        ++end;
    return text.substr(start, end - start);
}

// A comma that groups thousands has exactly three digits after it and no decimal point before it.
bool GroupsThousands(std::string_view text, std::size_t comma)
{
    const std::size_t groupEnd = SkipDigits(text, comma + 1);
    if (groupEnd - comma - 1 != 3)
        return false;
    std::size_t start = comma;
    while (start > 0 && (IsDigit(text[start - 1]) || text[start - 1] == ','))
        --start;
    return start == 0 || text[start - 1] != '.';
}

std::string Refusal(std::string_view number, std::string_view reason)
{
    return "Cannot read \"" + std::string(number) + "\": " + std::string(reason);
}

} // namespace

EntryReading ReadEntry(std::string_view text, char decimalSeparator)
{
    const std::string_view typed = FirstCharacters(text, kEntryCharacters);
    std::string read;
    for (std::size_t i = 0; i < typed.size(); ++i) {
        const bool betweenDigits = typed[i] == ',' && i > 0 && i + 1 < typed.size() &&
                                   IsDigit(typed[i - 1]) && IsDigit(typed[i + 1]);
        if (!betweenDigits) {
            read += typed[i];
            continue;
        }
        const std::string_view number = NumberAround(typed, i);
        if (decimalSeparator == ',') {
            if (number.find('.') != std::string_view::npos || number.find(',') != number.rfind(','))
                return {0.0, Refusal(number, "a number can have only one decimal separator.")};
            read += '.';
        } else if (!GroupsThousands(typed, i)) {
            std::string decimal(number);
            std::ranges::replace(decimal, ',', '.');
            return {0.0, Refusal(number, "a comma can only separate thousands, as in 1,500. For a decimal, "
                                         "type a point: " +
                                             decimal)};
        }
        // A comma that groups thousands is left out.
    }
    return {ParseEntry(read), {}};
}

double ParseEntry(std::string_view text)
{
    std::string_view buffer = FirstCharacters(text, kEntryCharacters);
    // Trailing spaces go, but never the first character; then the leading ones.
    std::size_t end = buffer.size();
    while (end > 1 && buffer[end - 1] == ' ')
        --end;
    buffer = buffer.substr(0, end);
    const std::size_t start = buffer.find_first_not_of(' ');
    if (start == std::string_view::npos)
        return 0.0;
    buffer.remove_prefix(start);

    const std::size_t space = buffer.find(' ');
    const std::string_view firstWord = buffer.substr(0, space);
    if (firstWord.find('/') != std::string_view::npos)
        return ReadFraction(firstWord).value_or(0.0);
    const double whole = ReadNumber(firstWord);
    if (space == std::string_view::npos)
        return whole;
    // A mixed number adds its fraction whatever the sign of the whole part: "-1 1/2" is -0.5.
    const auto fraction = ReadFraction(buffer.substr(space + 1));
    return fraction ? whole + *fraction : whole;
}

std::string FormatResult(double value, int digits, bool scientific)
{
    if (!std::isfinite(value))
        return NonFiniteText(value);
    char buffer[64];
    const auto format = scientific ? std::chars_format::scientific : std::chars_format::general;
    return WithThreeDigitExponent(ToChars(buffer, value, format, std::clamp(digits, 0, kMaxPrecision)));
}

std::string ShortForm(double value, int n)
{
    if (!std::isfinite(value))
        return NonFiniteText(value);
    n = std::clamp(n, 1, kMaxPrecision);
    char buffer[64];
    const int exponent = DecimalExponent(value);
    if (exponent < -1 || exponent > n - 1) {
        return WithoutTrailingZeros(
            WithThreeDigitExponent(ToChars(buffer, value, std::chars_format::scientific, n - 1)));
    }
    std::string text(ToChars(buffer, value, std::chars_format::fixed, n - 1 - exponent));
    if (text.find('.') == std::string::npos)
        return text;
    return WithoutTrailingZeros(std::move(text));
}

std::string DigitsLabel(int digits)
{
    return "#." + std::to_string(digits);
}

} // namespace kalvex
