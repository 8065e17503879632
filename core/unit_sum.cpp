// Reading a query that adds values in several units of one group: "5 ft 11 in", "1:30".
#include "core/compound_value.h"
#include "core/number_text.h"
#include "core/unit_aliases.h"
#include "core/unit_query.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace kalvex {
namespace {

constexpr int kReferenceDigits = 6;

std::string Quoted(std::string_view text)
{
    return "\"" + std::string(text) + "\"";
}

constexpr int kLargestEntryDenominator = 64;
constexpr double kLargestMixedNumber = 1e9;

bool IsDecimalDenominator(int denominator)
{
    while (denominator % 2 == 0)
        denominator /= 2;
    while (denominator % 5 == 0)
        denominator /= 5;
    return denominator == 1;
}

// A sum as the entry field shows it: a mixed number when it is one with a small denominator (5 ft
// 11 in opens as 5 11/12 ft), otherwise a decimal precise far past the digits shown. The sum of
// doubles may miss the fraction by its last bits.
std::string EntryText(double value)
{
    constexpr int kEntryDigits = 15;
    if (value < 0.0 || value >= kLargestMixedNumber)
        return ShortForm(value, kEntryDigits);
    for (int denominator = 1; denominator <= kLargestEntryDenominator; ++denominator) {
        const double numerator = std::round(value * denominator);
        if (std::abs(numerator / denominator - value) > 1e-12 * std::max(value, 1.0))
            continue;
        const auto whole = static_cast<long long>(numerator) / denominator;
        const auto rest = static_cast<long long>(numerator) % denominator;
        if (rest == 0)
            return std::to_string(whole);
        if (IsDecimalDenominator(denominator))
            return ShortForm(numerator / denominator, kEntryDigits);
        return (whole > 0 ? std::to_string(whole) + " " : std::string()) + std::to_string(rest) + "/" +
               std::to_string(denominator);
    }
    return ShortForm(value, kEntryDigits);
}

FoundUnits Refused(std::string problem)
{
    FoundUnits found;
    found.problem = std::move(problem);
    return found;
}

} // namespace

ValueToOpen UnitFinder::OpenedValue(const FoundUnits& found, const UnitMatch& match,
                                    char decimalSeparator) const
{
    const std::string typed = found.text.value.empty() ? "1" : found.text.value;
    const double multiple = Unit(match).multiple;
    if (!found.sum.empty() || multiple == 1.0)
        return {typed, {}};
    const EntryReading reading = ReadEntry(typed, decimalSeparator);
    if (!reading.problem.empty())
        return {{}, reading.problem};
    return {EntryText(reading.value * multiple), {}};
}

std::optional<int> UnitFinder::ReferenceUnit(int group) const
{
    const QueryGroup& queryGroup = m_groups[std::size_t(group)];
    for (const kalvex::ReferenceUnit& reference : ReferenceUnits()) {
        if (reference.groupId != queryGroup.groupId)
            continue;
        const auto unit = std::ranges::find(queryGroup.units, reference.unitName, &QueryUnit::name);
        if (unit != queryGroup.units.end())
            return int(unit - queryGroup.units.begin());
    }
    return std::nullopt;
}

FoundUnits UnitFinder::FindSum(const std::vector<QueryPart>& parts, char decimalSeparator) const
{
    std::vector<std::vector<UnitMatch>> candidates;
    for (const QueryPart& part : parts) {
        if (part.value.empty())
            return Refused(Quoted(part.typed) +
                           " has no number: type one before each unit, as in 5 ft 11 in.");
        if (part.unit.empty())
            return Refused(Quoted(part.typed) + " has no unit.");
        std::vector<UnitMatch> exact = Matches(part.unit);
        std::erase_if(exact, [](const UnitMatch& m) { return m.kind >= MatchKind::SymbolInOtherCase; });
        if (exact.empty())
            return Refused("No unit matches " + Quoted(part.unit) + ".");
        candidates.push_back(std::move(exact));
    }
    // The groups, in the finder's order, that have a unit for every part so far.
    std::vector<int> groups;
    for (const UnitMatch& match : candidates.front())
        if (std::ranges::find(groups, match.group) == groups.end())
            groups.push_back(match.group);
    for (std::size_t part = 1; part < parts.size(); ++part) {
        std::erase_if(groups, [&](int g) {
            return std::ranges::find(candidates[part], g, &UnitMatch::group) == candidates[part].end();
        });
        if (groups.empty())
            return Refused("Cannot add " + Quoted(parts[part].typed) + " to " + Quoted(parts.front().typed) +
                           ": their units are in different groups.");
    }
    const int group = groups.front();

    FoundUnits found;
    double total = 0.0; // in the group's first unit
    std::optional<UnitMatch> largest;
    for (std::size_t p = 0; p < parts.size(); ++p) {
        const UnitMatch match = *std::ranges::find(candidates[p], group, &UnitMatch::group);
        const QueryUnit& unit = Unit(match);
        if (unit.size <= 0.0)
            return Refused("Values in " + m_groups[std::size_t(group)].name + " cannot be added.");
        const EntryReading reading = ReadEntry(parts[p].value, decimalSeparator);
        if (!reading.problem.empty())
            return Refused(reading.problem);
        total += reading.value * unit.size * unit.multiple;
        if (!largest || unit.size * unit.multiple > Unit(*largest).size * Unit(*largest).multiple)
            largest = match;
        found.sum += (found.sum.empty() ? "" : " ") + WithSymbol(parts[p].value, unit.symbol);
    }
    // The group's window has no stone: a sum named in stones opens in pounds.
    const std::vector<QueryUnit>& units = m_groups[std::size_t(group)].units;
    const auto own = std::ranges::find_if(
        units, [&](const QueryUnit& u) { return u.unit == Unit(*largest).unit && u.multiple == 1.0; });
    const QueryUnit& opened = *own;
    found.text = {EntryText(total / opened.size), opened.symbol};
    found.matches = {{group, int(own - units.begin()), largest->kind}};
    found.bestCount = 1;
    found.taken = true;
    const std::optional<int> reference = ReferenceUnit(group);
    const QueryUnit& shown = reference ? units[std::size_t(*reference)] : opened;
    found.sumInReference =
        WithSymbol(FormatResult(total / shown.size, kReferenceDigits, false), shown.symbol);
    return found;
}

} // namespace kalvex
