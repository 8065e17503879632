#pragma once

#include <QString>

namespace kalvex {

// Menu label of a group index 0..15 ("&Distance"); the custom group's is "&Custom".
QString GroupMenuLabel(int groupIndex);

// Messages of the launcher.
inline constexpr const char* kMissingGroupFileText = "Can't find conversion group file!";
inline constexpr const char* kTooFewUnitsText =
    "There must be at least two units defined before you can use the converter!";
inline constexpr const char* kNotFoundName = "Not Found";

} // namespace kalvex
