#include "core/query_text.h"

#include "core/text_encoding.h"

#include <algorithm>
#include <array>

namespace kalvex {
namespace {

constexpr std::string_view kDegree = "°";

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A comma between two digits belongs to the number ("1,500", or "2,5" with a decimal comma); the
// value's reader decides what it means, so it is never cut off here.
bool IsDigitOrInnerComma(std::string_view text, std::size_t i)
{
    return IsDigit(text[i]) ||
           (text[i] == ',' && i > 0 && IsDigit(text[i - 1]) && i + 1 < text.size() && IsDigit(text[i + 1]));
}

// Length of the leading decimal literal: optional sign, digits with an optional point, and an
// exponent only when digits follow it. 0 when the text does not start with a number.
std::size_t NumberLength(std::string_view text)
{
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < text.size() && IsDigitOrInnerComma(text, i))
        ++i, ++digits;
    if (i < text.size() && text[i] == '.')
        for (++i; i < text.size() && IsDigitOrInnerComma(text, i); ++i)
            ++digits;
    if (digits == 0)
        return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j]))
                ++j;
            i = j;
        }
    }
    return i;
}

// Length of a leading "numerator/denominator", 0 when the text does not start with one.
std::size_t FractionLength(std::string_view text)
{
    const std::size_t numerator = NumberLength(text);
    if (numerator == 0 || numerator >= text.size() || text[numerator] != '/')
        return 0;
    const std::size_t denominator = NumberLength(text.substr(numerator + 1));
    return denominator == 0 ? 0 : numerator + 1 + denominator;
}

// Length of a leading value: a fraction, or a number and, after a blank, a fraction that makes it
// a mixed number. 0 when the text does not start with a value.
std::size_t ValueLength(std::string_view text)
{
    std::size_t length = FractionLength(text);
    if (length > 0)
        return length;
    length = NumberLength(text);
    if (length > 0 && length + 1 < text.size() && text[length] == ' ')
        if (const std::size_t fraction = FractionLength(text.substr(length + 1)); fraction > 0)
            return length + 1 + fraction;
    return length;
}

void ReplaceAll(std::string& text, std::string_view from, std::string_view to)
{
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

// Where a new part may begin: a number right after a blank, a plus sign, a ', " or °, or a plus
// sign standing between two parts.
bool StartsPart(std::string_view text, std::size_t k)
{
    const auto digitAt = [&](std::size_t i) { return i < text.size() && IsDigit(text[i]); };
    const char c = text[k];
    if (c == '+' && text[k - 1] == ' ' && k + 1 < text.size() && text[k + 1] == ' ')
        return true;
    const bool number = IsDigit(c) || ((c == '.' || c == '-' || c == '+') && digitAt(k + 1));
    const char before = text[k - 1];
    return number && (before == ' ' || before == '+' || before == '\'' || before == '"' ||
                      text.substr(0, k).ends_with(kDegree));
}

// "1:30" and "1:30:15": hours, then minutes and seconds of one or two digits, the seconds perhaps
// with a fraction. Nothing when the text is not written so.
std::vector<QueryPart> ClockParts(std::string_view text)
{
    static constexpr std::array<std::string_view, 3> kUnits = {"h", "min", "s"};
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        const std::size_t colon = text.find(':', start);
        fields.push_back(text.substr(start, colon == std::string_view::npos ? colon : colon - start));
        if (colon == std::string_view::npos)
            break;
        start = colon + 1;
    }
    if (fields.size() < 2 || fields.size() > kUnits.size())
        return {};
    std::vector<QueryPart> parts;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        std::string_view number = fields[i];
        if (i == 2 && number.find('.') != std::string_view::npos)
            number = number.substr(0, number.find('.'));
        const std::string_view fraction = fields[i].substr(number.size());
        const bool digitsOnly =
            !number.empty() && std::ranges::all_of(number, IsDigit) &&
            (fraction.empty() || (fraction.size() > 1 && std::ranges::all_of(fraction.substr(1), IsDigit)));
        if (!digitsOnly || (i > 0 && number.size() > 2))
            return {};
        const std::string value(fields[i]);
        parts.push_back({value, std::string(kUnits[i]), value + ' ' + std::string(kUnits[i])});
    }
    return parts;
}

// Units read as feet and inches, or as minutes and seconds of arc.
void ReadPrimes(QueryParts& read)
{
    std::vector<QueryPart>& parts = read.parts;
    const bool arc = std::ranges::any_of(parts, [](const QueryPart& p) { return p.unit.ends_with(kDegree); });
    const auto isArcLetter = [](const QueryPart& p) {
        return p.unit == "d" || p.unit == "m" || p.unit == "s";
    };
    const bool arcLetters = parts.size() > 1 && parts.front().unit == "d" &&
                            std::ranges::all_of(parts, isArcLetter) &&
                            std::ranges::any_of(parts, [](const QueryPart& p) { return p.unit == "m"; });
    // A bare number after feet or degrees is the next smaller unit.
    if (parts.size() > 1 && parts.back().unit.empty() && !parts.back().value.empty()) {
        const std::string& before = parts[parts.size() - 2].unit;
        if (before == "'")
            parts.back().unit = "\"";
        else if (before == kDegree)
            parts.back().unit = "'";
    }
    for (QueryPart& part : parts) {
        if (arcLetters && part.unit == "d")
            part.unit = kDegree;
        else if (arcLetters && part.unit == "m")
            part.unit = "'";
        else if (arcLetters && part.unit == "s")
            part.unit = "''";
        else if (part.unit == "'")
            part.unit = arc ? "'" : "ft";
        else if (part.unit == "\"")
            part.unit = arc ? "''" : "in";
    }
    read.primeAsFeet = parts.size() == 1 && parts.front().unit == "ft" && parts.front().typed.ends_with('\'');
}

} // namespace

std::string CollapseBlanks(std::string_view text)
{
    std::string result;
    for (char c : text) {
        if (c != ' ' && c != '\t')
            result += c;
        else if (!result.empty() && result.back() != ' ')
            result += ' ';
    }
    if (!result.empty() && result.back() == ' ')
        result.pop_back();
    return result;
}

SplitText SplitQuery(std::string_view query)
{
    const std::string text = CollapseBlanks(query);
    const std::size_t length = ValueLength(text);
    return {text.substr(0, length), CollapseBlanks(std::string_view(text).substr(length))};
}

QueryParts ReadQueryParts(std::string_view query)
{
    std::string text = CollapseBlanks(query);
    ReplaceAll(text, "′", "'");
    ReplaceAll(text, "″", "\"");
    ReplaceAll(text, "''", "\"");
    QueryParts read;
    read.parts = ClockParts(text);
    if (!read.parts.empty())
        return read;
    for (std::size_t i = 0; i < text.size();) {
        // A plus sign between parts only joins them.
        if (text[i] == ' ' || (text[i] == '+' && i + 1 < text.size() && text[i + 1] == ' ')) {
            ++i;
            continue;
        }
        const std::size_t valueEnd = i + ValueLength(std::string_view(text).substr(i));
        std::size_t end = valueEnd;
        while (end < text.size() && !(end > i && StartsPart(text, end)))
            ++end;
        read.parts.push_back({text.substr(i, valueEnd - i),
                              Trimmed(std::string_view(text).substr(valueEnd, end - valueEnd)),
                              Trimmed(std::string_view(text).substr(i, end - i))});
        i = end;
    }
    ReadPrimes(read);
    return read;
}

} // namespace kalvex
