#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kalvex {

inline constexpr const char* kEuroCode = "EUR";
inline constexpr const char* kEuroUnitEntry = "euro,€";

// The ISO 4217 code of a Money unit entry: known by the built-in unit names (and the euro's
// name or sign), or by a symbol that is itself a code ("Norwegian krone,NOK").
std::optional<std::string> CurrencyCode(const std::string& unitEntry);

// The unit entry that a currency of the reference rates gets when it is added to the Money group:
// its English name and its code ("Norwegian krone,NOK"); a code the rates never listed before is
// its own name.
std::string CurrencyUnitEntry(std::string_view code);

// Where a currency comes in the reference rates' own listing; currencies they never listed
// before come last.
int ListingRank(std::string_view code);

// Units of a former euro-area currency in one euro, fixed irrevocably when it joined.
std::optional<double> FixedEuroRate(std::string_view code);

} // namespace kalvex
