#include "core/result_lines.h"

#include "core/compound_value.h"
#include "core/conversion.h"
#include "core/number_text.h"
#include "core/temperature.h"
#include "core/text_encoding.h"
#include "core/unit_aliases.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>

namespace kalvex {
namespace {

constexpr int kFewestDigits = 3;
constexpr int kMostDigits = 13;

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

void CompleteFactors(CConversion& group)
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
}

std::vector<double> UnitSizes(CConversion group)
{
    CompleteFactors(group);
    const int total = std::min<int>(group.m_unitCount, kMaxUnits);
    std::vector<double> sizes;
    for (int u = 0; u < total; ++u)
        sizes.push_back(ConvertValue(1.0, u, 0, total, group.m_factors));
    return sizes;
}

ConversionRows GroupRows(CConversion& group, std::string_view groupName, std::span<const int> rowUnits,
                         int initialUnit, double value, ResultFormat format)
{
    if (value < kGroupMinimum)
        return {{}, BelowMinimumText(AsciiLower(groupName), kGroupMinimum)};
    const int total = std::min<int>(group.m_unitCount, kMaxUnits);
    FactorMatrix& m = group.m_factors;
    CompleteFactors(group);
    std::vector<double> results;
    for (int unit : rowUnits)
        results.push_back(unit >= 0 && unit < total ? ConvertValue(value, initialUnit, unit, total, m) : 0.0);
    ConversionRows rows;
    if (!std::isfinite(value) || !std::ranges::all_of(results, [](double r) { return std::isfinite(r); })) {
        rows.refusal = kValueTooLargeText;
        return rows;
    }
    for (std::size_t row = 0; row < results.size(); ++row) {
        const std::string& entry =
            rowUnits[row] >= 0 ? group.m_units[std::size_t(rowUnits[row])] : std::string();
        rows.lines.push_back({UnitName(entry), FormatResult(results[row], format.digits, format.scientific),
                              Trimmed(UnitSymbol(entry)),
                              RowCompoundText(group, rowUnits[row], results[row], format.digits)});
    }
    return rows;
}

ConversionRows TemperatureRows(int scaleRow, double value, ResultFormat format)
{
    if (value < LowestValue(kFahrenheit + scaleRow))
        return {{}, kBelowAbsoluteZeroText};
    const Temperatures t = ConvertTemperature(value, kFahrenheit + scaleRow);
    const double results[] = {t.fahrenheit, t.rankine, t.celsius, t.kelvin};
    ConversionRows rows;
    if (!std::ranges::all_of(results, [](double r) { return std::isfinite(r); })) {
        rows.refusal = kValueTooLargeText;
        return rows;
    }
    int row = 0;
    for (const TemperatureScaleName& scale : TemperatureScaleNames())
        rows.lines.push_back({std::string(scale.name),
                              FormatResult(results[row++], format.digits, format.scientific),
                              std::string(scale.symbol),
                              {}});
    return rows;
}

std::string ResultLinesText(const std::vector<ResultLine>& lines)
{
    std::string text;
    for (const ResultLine& line : lines)
        text += line.name + '\t' + line.value + '\t' + line.symbol + '\n';
    return text;
}

std::string BelowMinimumText(std::string_view lowerCaseGroupName, double minimum)
{
    char number[400]; // "%f" of the largest double
    std::snprintf(number, sizeof number, "%f", minimum);
    return std::string(lowerCaseGroupName) + " less than minimum of " + number;
}

int ShownDigits(int storedDigits)
{
    return std::clamp(storedDigits, kFewestDigits, kMostDigits);
}

int NextDigits(int digits)
{
    return digits >= kMostDigits ? kFewestDigits : ShownDigits(digits + 1);
}

} // namespace kalvex
