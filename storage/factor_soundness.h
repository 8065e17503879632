#pragma once

#include <optional>
#include <string>

namespace kalvex {

class CConversion;

// What keeps a group's factors from being taken, in words ("the factor for converting 'meter'
// to 'foot' is -2, not a positive number"), or nothing when they are sound: positive, as the
// group editor wants a typed factor, and within what a double holds, as given and as derived.
// With `everyPairRelated`, a pair that no factor relates is named as well.
std::optional<std::string> UnsoundFactorsText(const CConversion& group, bool everyPairRelated);

} // namespace kalvex
