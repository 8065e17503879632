#pragma once

#include <optional>
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
};

// The 0-based units a group's conversion window lists, in row order: every unit when the group
// shows all, otherwise the shown part of its unit order. Entries that name no unit are left out.
std::vector<int> ShownUnits(const CConversion& group);

// The rows of the group's conversion window after `value` was entered in `initialUnit`: the
// factor table completed as the window completes it, each result in the given digits and notation.
std::vector<ResultLine> GroupResultLines(CConversion& group, int initialUnit, double value, int digits,
                                         bool scientific);
// The rows of the temperature window after `value` was entered on scale row 0..3.
std::vector<ResultLine> TemperatureResultLines(int scaleRow, double value, int digits, bool scientific);

// "name<TAB>value<TAB>symbol", one line each, every line ended by a line feed.
std::string ResultLinesText(const std::vector<ResultLine>& lines);

// What the windows say of a value below their minimum: a group's window names the group in
// lower case, the temperature window absolute zero.
std::string BelowMinimumText(std::string_view lowerCaseGroupName, double minimum);
inline constexpr const char* kBelowAbsoluteZeroText = "Temperature cannot be lower than absolute zero.";

// The refusal a conversion window gives for a value below its minimum, if it refuses it.
// groupName is the group's shown name.
std::optional<std::string> GroupRefusal(const std::string& groupName, double value);
std::optional<std::string> TemperatureRefusal(int scaleRow, double value);

// Stored digit counts outside 3..13 are brought to the nearest end, as the windows do.
int ShownDigits(int storedDigits);

} // namespace kalvex
