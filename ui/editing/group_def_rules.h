#pragma once

#include "ui/editing/group_working_copy.h"

#include <optional>
#include <string>
#include <string_view>

namespace kalvex {

// Why a unit's name and symbol cannot go into the unit strings, which hold "name,symbol".
enum class UnitTextFault {
    None,
    NoName,
    CommaInName, // a comma would split the entry
    CommaInSymbol,
};

UnitTextFault CheckUnitTexts(std::string_view name, std::string_view symbol);

// Whether the group may keep this name (UTF-8). A custom group, or one being created, needs a
// name that is more than white space; a standard group without a name of its own shows its
// built-in one.
bool GroupNameAcceptable(std::string_view name, bool creating, int groupId);

// Two units whose factor a double cannot hold, by their names.
struct UnstorablePair {
    std::string unit;
    std::string other;
};

// The first pair of the copy's units whose factor a double cannot hold, as stored or once
// derived. Negative factors pass: Calc takes them, and Add and Change refuse them as typed.
std::optional<UnstorablePair> UnstorableFactor(const GroupWorkingCopy& copy);

// A factor about to be stored between a unit and the base. A unit at or beyond the copy's count
// is a new one, with this name and symbol.
struct FactorEntry {
    int unit = 0;
    int base = 0;
    double factor = 0.0;
    std::string name;
    std::string symbol;
};

// The pair that would not fit if the entry were stored and the copy held unitCount units,
// checked on a trial copy; nothing when every pair fits.
std::optional<UnstorablePair> UnstorableFactorAfter(GroupWorkingCopy trial, const FactorEntry& entry,
                                                    int unitCount);

} // namespace kalvex
