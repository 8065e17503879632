#pragma once

namespace kalvex {

class CConversion;

// A standard group's factors that an earlier build of the program wrote and the user never
// changed are replaced by today's built-in factors, which are computed from the units'
// definitions; a group whose factors the user edited is the user's and stays as it is.
//
// The group qualifies when its units are the built-in ones and its factors equal, bit for bit,
// those the earlier build gave it: as built, or as derived again when the user saved only a new
// unit order, digits or notation. Then only the factors of its units change and the function
// returns true; otherwise the group is left untouched and it returns false.
bool UpgradeEarlierBuiltinFactors(CConversion& group, int groupId);

} // namespace kalvex
