#pragma once

#include "storage/currencies.h"
#include "storage/reference_rates.h"

#include <functional>
#include <string>
#include <vector>

namespace kalvex {

class CConversion;

struct RatesUpdateResult {
    std::string error; // empty when the group was updated
    bool cancelled = false;
    bool euroAdded = false;
    std::vector<std::string> addedUnits;       // entries added for the rates' other currencies
    std::vector<std::string> codesWithoutRoom; // currencies of the rates a full group could not take
    std::vector<std::string> keptUnits;        // unit entries without a rate: factors kept
};

// Sets every Money unit with a known rate to its amount in one of the group's first unit; adds
// the euro (shown) and each currency of the rates that the group lacks, while it has room; fills
// the other pairs through the first unit, and dates the group by the rates. Rates that would
// give a pair the group editor refuses fail the update. The group is changed only on success.
RatesUpdateResult ApplyReferenceRates(CConversion& group, const ReferenceRates& rates,
                                      const std::string& source);

} // namespace kalvex

namespace kalvex {

struct Services;

// Reads a downloaded rates document, updates the Money group held in `group` and commits it
// to its factor file under the rates' own date, through the settings, clock and file replacer
// of `services`. On any failure, and when `cancelled` says so
// once the document is read, nothing is changed or written.
RatesUpdateResult UpdateMoneyGroup(CConversion& group, std::string_view document, const std::string& source,
                                   const std::string& factorPath, const Services& services,
                                   const std::function<bool()>& cancelled = {});

} // namespace kalvex
