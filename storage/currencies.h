#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kalvex {

inline constexpr int kMoneyGroupId = 4116;

inline constexpr const char* kEuroCode = "EUR";
inline constexpr const char* kEuroUnitEntry = "euro,€";

// The ISO 4217 code of a Money unit entry: known by the built-in unit names (and the euro's
// name or sign), or by a symbol that is itself a code ("Norwegian krone,NOK").
std::optional<std::string> CurrencyCode(const std::string& unitEntry);

// Units of a former euro-area currency in one euro, fixed irrevocably when it joined.
std::optional<double> FixedEuroRate(std::string_view code);

} // namespace kalvex
