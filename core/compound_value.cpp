#include "core/compound_value.h"

#include "core/conversion.h"
#include "core/number_text.h"
#include "core/result_lines.h"
#include "core/text_encoding.h"
#include "core/unit_aliases.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace kalvex {
namespace {

// Whole amounts past this lose their last digits in a double.
constexpr double kLargestSplitValue = 1e15;
constexpr int kWholeDigits = 17;

double RoundedTo(double value, int digits)
{
    const std::string text = FormatResult(value, digits, false);
    double rounded = value;
    std::from_chars(text.data(), text.data() + text.size(), rounded);
    return rounded;
}

std::optional<int> UnitNamed(const CConversion& group, std::string_view name)
{
    const int total = std::min<int>(group.m_unitCount, kMaxUnits);
    for (int u = 0; u < total; ++u)
        if (UnitName(group.m_units[std::size_t(u)]) == name)
            return u;
    return std::nullopt;
}

} // namespace

std::vector<double> SplitValue(double valueInFirst, std::span<const CompoundUnit> units, int digits)
{
    std::vector<double> amounts(units.size());
    if (units.empty())
        return amounts;
    double rest = valueInFirst;
    for (std::size_t i = 0; i + 1 < units.size(); ++i) {
        amounts[i] = std::floor(rest);
        rest = (rest - amounts[i]) * units[i].perNext;
    }
    amounts.back() = RoundedTo(rest, digits);
    for (std::size_t i = units.size() - 1; i > 0; --i) {
        if (amounts[i] < units[i - 1].perNext)
            continue;
        amounts[i] = i + 1 == units.size() ? RoundedTo(amounts[i] - units[i - 1].perNext, digits)
                                           : amounts[i] - units[i - 1].perNext;
        amounts[i - 1] += 1.0;
    }
    return amounts;
}

std::string CompoundText(double valueInFirst, std::span<const CompoundUnit> units, int digits)
{
    if (units.empty() || !(valueInFirst >= 0.0 && valueInFirst < kLargestSplitValue))
        return {};
    const std::vector<double> amounts = SplitValue(valueInFirst, units, digits);
    std::string text;
    for (std::size_t i = 0; i < units.size(); ++i) {
        const bool last = i + 1 == units.size();
        text += (text.empty() ? "" : " ") +
                WithSymbol(FormatResult(amounts[i], last ? digits : kWholeDigits, false), units[i].symbol);
    }
    return text;
}

std::string WithSymbol(std::string_view number, std::string_view symbol)
{
    // Marks such as ° and ' follow the number; symbols of letters stand apart from it.
    const bool mark = !symbol.empty() && !std::isalnum(static_cast<unsigned char>(symbol.front())) &&
                      static_cast<unsigned char>(symbol.front()) < 0x80;
    const bool degree = symbol.starts_with("°");
    return std::string(number) + (mark || degree || symbol.empty() ? "" : " ") + std::string(symbol);
}

std::string GroupCompoundText(CConversion& group, double value, int valueUnit,
                              std::span<const GroupCompoundUnit> units, int digits)
{
    if (units.empty())
        return {};
    CompleteFactors(group);
    const int total = std::min<int>(group.m_unitCount, kMaxUnits);
    std::vector<CompoundUnit> split;
    for (std::size_t i = 0; i < units.size(); ++i) {
        const double perNext =
            i + 1 < units.size()
                ? ConvertValue(units[i].multiple, units[i].unit, units[i + 1].unit, total, group.m_factors) /
                      units[i + 1].multiple
                : 0.0;
        split.push_back({units[i].symbol, perNext});
    }
    const double first =
        ConvertValue(value, valueUnit, units[0].unit, total, group.m_factors) / units[0].multiple;
    return CompoundText(first, split, digits);
}

std::string RowCompoundText(CConversion& group, int rowUnit, double value, int digits)
{
    if (rowUnit < 0 || rowUnit >= std::min<int>(group.m_unitCount, kMaxUnits))
        return {};
    const std::string name = UnitName(group.m_units[std::size_t(rowUnit)]);
    const auto reading =
        std::ranges::find(CompoundReadings(), std::string_view(name), &CompoundUnits::unitName);
    if (reading == CompoundReadings().end())
        return {};
    std::vector<GroupCompoundUnit> units;
    for (std::string_view part : reading->parts) {
        if (part.empty())
            break;
        const std::optional<int> unit = UnitNamed(group, part);
        if (!unit)
            return {};
        units.push_back({*unit, 1.0, Trimmed(UnitSymbol(group.m_units[std::size_t(*unit)]))});
    }
    return GroupCompoundText(group, value, rowUnit, units, digits);
}

} // namespace kalvex
