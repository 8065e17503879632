#include "core/result_lines.h"

#include "core/conversion.h"
#include "core/number_text.h"
#include "core/temperature.h"
#include "core/text_encoding.h"
#include "core/unit_aliases.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace kalvex {
namespace {

constexpr int kFewestDigits = 3;
constexpr int kMostDigits = 13;
constexpr double kGroupMinimum = 0.0;

std::string Trimmed(const std::string& text)
{
    const auto blank = [](unsigned char c) { return std::isspace(c) != 0; };
    auto first = std::ranges::find_if_not(text, blank);
    auto last = std::find_if_not(text.rbegin(), text.rend(), blank).base();
    return first < last ? std::string(first, last) : std::string();
}

} // namespace

std::vector<int> ShownUnits(const CConversion& group)
{
    const int total = std::min<int>(group.m_unitCount, kMaxUnits);
    std::vector<int> units;
    if (group.m_showAll) {
        for (int u = 0; u < total; ++u)
            units.push_back(u);
        return units;
    }
    const int shown = std::min<int>(group.m_shownCount, kMaxUnits);
    for (int row = 0; row < shown; ++row) {
        const int number = group.m_unitOrder[std::size_t(row)];
        if (number >= 1 && number <= total)
            units.push_back(number - 1);
    }
    return units;
}

std::vector<ResultLine> GroupResultLines(CConversion& group, int initialUnit, double value, int digits,
                                         bool scientific)
{
    const int total = std::min<int>(group.m_unitCount, kMaxUnits);
    FactorMatrix& m = group.m_factors;
    // Groups store the lower triangle; the window makes the upper one its reciprocal.
    for (int i = 1; i < total; ++i) {
        for (int j = 0; j < i; ++j)
            m[std::size_t(j)][std::size_t(i)] =
                m[std::size_t(i)][std::size_t(j)] == 0.0 ? 0.0 : 1.0 / m[std::size_t(i)][std::size_t(j)];
        m[std::size_t(i)][std::size_t(i)] = 1.0;
    }
    std::vector<ResultLine> lines;
    for (int unit : ShownUnits(group)) {
        const std::string& entry = group.m_units[std::size_t(unit)];
        const double result = ConvertValue(value, initialUnit, unit, total, m);
        lines.push_back(
            {UnitName(entry), FormatResult(result, digits, scientific), Trimmed(UnitSymbol(entry))});
    }
    return lines;
}

std::vector<ResultLine> TemperatureResultLines(int scaleRow, double value, int digits, bool scientific)
{
    const Temperatures t = ConvertTemperature(value, kFahrenheit + scaleRow);
    const double results[] = {t.fahrenheit, t.rankine, t.celsius, t.kelvin};
    std::vector<ResultLine> lines;
    int row = 0;
    for (const TemperatureScaleName& scale : TemperatureScaleNames())
        lines.push_back({std::string(scale.name), FormatResult(results[row++], digits, scientific),
                         std::string(scale.symbol)});
    return lines;
}

std::string ResultLinesText(const std::vector<ResultLine>& lines)
{
    std::string text;
    for (const ResultLine& line : lines)
        text += line.name + '\t' + line.value + '\t' + line.symbol + '\n';
    return text;
}

std::optional<std::string> GroupRefusal(const std::string& groupName, double value)
{
    if (value >= kGroupMinimum)
        return std::nullopt;
    return BelowMinimumText(AsciiLower(groupName), kGroupMinimum);
}

std::string BelowMinimumText(std::string_view lowerCaseGroupName, double minimum)
{
    char number[400]; // "%f" of the largest double
    std::snprintf(number, sizeof number, "%f", minimum);
    return std::string(lowerCaseGroupName) + " less than minimum of " + number;
}

std::optional<std::string> TemperatureRefusal(int scaleRow, double value)
{
    if (value >= LowestValue(kFahrenheit + scaleRow))
        return std::nullopt;
    return kBelowAbsoluteZeroText;
}

int ShownDigits(int storedDigits)
{
    return std::clamp(storedDigits, kFewestDigits, kMostDigits);
}

} // namespace kalvex
