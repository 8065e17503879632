#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kalvex {

class CConversion;

// One row of a conversion window as its whole-table copy writes it.
struct ResultLine {
    std::string name;
    std::string value;
    std::string symbol;
    std::string compound; // the value over smaller units too ("5 ft 8.5 in"); empty for most units
};

// What a conversion window shows for an entered value: its rows, or why it refuses the value.
struct ConversionRows {
    std::vector<ResultLine> lines; // empty when refused
    std::string refusal;           // the window's message; empty when the value is taken
};

// How results are written: 3..13 significant digits, fixed or scientific.
struct ResultFormat {
    int digits = 6;
    bool scientific = false;
};

// The smallest value a group's window takes; a temperature's is absolute zero on its scale.
inline constexpr double kGroupMinimum = 0.0;
inline constexpr const char* kBelowAbsoluteZeroText = "Temperature cannot be lower than absolute zero.";
inline constexpr const char* kValueTooLargeText = "The value is too large to convert.";

// The 0-based units a group's conversion window lists, in row order: every unit when the group
// shows all, otherwise the shown part of its unit order. Entries that name no unit are left out.
std::vector<int> ShownUnits(const CConversion& group);

// Completes the factor table as the windows do: the upper triangle from the stored lower one.
void CompleteFactors(CConversion& group);
// Every unit's size in unit 0 of the group, the factor table completed as the windows complete it.
std::vector<double> UnitSizes(CConversion group);

// The rows listing `rowUnits` after `value` was entered in `initialUnit`, the factor table
// completed as the window completes it. Refused below the minimum (the message names the group,
// `groupName` as shown) and when the value or a result is too large for a number.
ConversionRows GroupRows(CConversion& group, std::string_view groupName, std::span<const int> rowUnits,
                         int initialUnit, double value, ResultFormat format);
// The temperature window's four rows after `value` was entered on scale row 0..3.
ConversionRows TemperatureRows(int scaleRow, double value, ResultFormat format);

// "name<TAB>value<TAB>symbol", one line each, every line ended by a line feed.
std::string ResultLinesText(const std::vector<ResultLine>& lines);

// What the windows say of a value below their minimum: a group's window names the group in
// lower case.
std::string BelowMinimumText(std::string_view lowerCaseGroupName, double minimum);

// Stored digit counts outside 3..13 are brought to the nearest end, as the windows do.
int ShownDigits(int storedDigits);
// The digit count after a press of the digits button: one more, 13 wrapping to 3.
int NextDigits(int digits);

} // namespace kalvex
