#pragma once

#include <string>

namespace kalvex {

class ISettingsStore;

// Writes NumStd and NumActCust as the enabled flags of the standard groups and of custom
// groups 1 .. customCount say; false when the store did not keep them.
bool RecountEnabledGroups(ISettingsStore& settings, int customCount);

// The refusal when every custom group number is taken.
std::string CustomGroupLimitText();

} // namespace kalvex
