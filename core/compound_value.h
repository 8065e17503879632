#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kalvex {

class CConversion;

// One unit of a value written over several units, as heights and times are: "5 ft 8.5 in".
struct CompoundUnit {
    std::string symbol;
    double perNext = 0.0; // how many of the next unit make one of this; unused for the last
};

// A value of at least 0 in the first of `units` (largest first) split over them: whole numbers for
// all but the last, the last rounded to `digits` significant digits. An amount that reaches one of
// the unit before it is carried into that unit, so 5 ft 12 in is never written.
std::vector<double> SplitValue(double valueInFirst, std::span<const CompoundUnit> units, int digits);

// "5 ft 8.5 in", "12° 30' 15''"; empty when the value is negative or too large for whole numbers.
std::string CompoundText(double valueInFirst, std::span<const CompoundUnit> units, int digits);

// A number and a symbol as values are written: "5 ft", "12°", "30'".
std::string WithSymbol(std::string_view number, std::string_view symbol);

// A unit of a group in a compound value: a stone is 14 of the pound's unit number.
struct GroupCompoundUnit {
    int unit = 0;
    double multiple = 1.0;
    std::string symbol;
};
// `value` in unit `valueUnit` of `group` written over `units`, largest first.
std::string GroupCompoundText(CConversion& group, double value, int valueUnit,
                              std::span<const GroupCompoundUnit> units, int digits);

// The compound reading of a row's value when its unit is one people write over smaller units
// (foot, pound, hour, degree) and the group has those units; empty otherwise.
std::string RowCompoundText(CConversion& group, int rowUnit, double value, int digits);

} // namespace kalvex
