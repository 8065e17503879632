#include "ui/editing/group_def_rules.h"

#include "core/conversion.h"
#include "core/group_ids.h"

namespace kalvex {
namespace {

// White space as the window library counts it when it trims a name: the ASCII controls tab to
// carriage return, NEL, and every space, line and paragraph separator.
bool IsWhiteSpace(char32_t c)
{
    return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F ||
           c == 0x3000;
}

constexpr char32_t kReplacementCharacter = 0xFFFD;

// The code point starting at text[i], advancing i past it.
char32_t NextCodePoint(std::string_view text, std::size_t& i)
{
    const auto lead = static_cast<unsigned char>(text[i++]);
    if (lead >= 0x80 && lead < 0xC0)
        return kReplacementCharacter;
    const int trailing = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    char32_t c = trailing == 0 ? lead : lead & (0x3F >> trailing);
    for (int k = 0; k < trailing && i < text.size(); ++k)
        c = (c << 6) | (static_cast<unsigned char>(text[i++]) & 0x3F);
    return c;
}

bool IsBlank(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        if (!IsWhiteSpace(NextCodePoint(text, i)))
            return false;
    }
    return true;
}

} // namespace

UnitTextFault CheckUnitTexts(std::string_view name, std::string_view symbol)
{
    if (name.empty())
        return UnitTextFault::NoName;
    if (name.find(',') != std::string_view::npos)
        return UnitTextFault::CommaInName;
    if (symbol.find(',') != std::string_view::npos)
        return UnitTextFault::CommaInSymbol;
    return UnitTextFault::None;
}

bool GroupNameAcceptable(std::string_view name, bool creating, int groupId)
{
    if (!creating && !IsCustomGroup(groupId))
        return true;
    return !IsBlank(name);
}

std::optional<UnstorablePair> UnstorableFactor(const GroupWorkingCopy& copy)
{
    const std::optional<FactorFault> fault =
        FirstUnsoundFactor(copy.Count(), copy.Factors(), FactorSigns::Any);
    if (!fault)
        return std::nullopt;
    return UnstorablePair{UnitName(copy.Unit(fault->pair.row)), UnitName(copy.Unit(fault->pair.column))};
}

std::optional<UnstorablePair> UnstorableFactorAfter(GroupWorkingCopy trial, const FactorEntry& entry,
                                                    int unitCount)
{
    if (entry.unit >= trial.Count())
        trial.StoreUnit(entry.unit, entry.name, entry.symbol, false);
    trial.SetCount(unitCount);
    trial.PairUpdate(entry.unit, entry.base, entry.factor);
    return UnstorableFactor(trial);
}

} // namespace kalvex
