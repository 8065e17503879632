#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace kalvex {

// Larger documents are refused before they are read: a day's rates take a few kilobytes.
inline constexpr std::size_t kMaxRatesDocumentBytes = 1024 * 1024;

// One day's euro reference rates: units of each currency in one euro.
struct ReferenceRates {
    int year = 0;
    int month = 0;
    int day = 0;
    std::map<std::string, double> perEuro; // ISO 4217 code -> rate
};

struct ReferenceRatesResult {
    std::optional<ReferenceRates> rates;
    std::string error; // set when `rates` is empty: what failed, in words
};

// Reads the reference rates document: the first Cube element with a "time" attribute
// (YYYY-MM-DD) and the Cube elements inside it, each with "currency" and "rate".
ReferenceRatesResult ParseReferenceRates(std::string_view document);

} // namespace kalvex
