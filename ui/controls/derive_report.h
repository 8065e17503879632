#pragma once

#include "core/factors.h"

#include <array>
#include <string>

namespace kalvex {

struct Services;

// Completes the factors of units 0..n-1 under the busy cursor and, when a pair stays unknown,
// shows "Could not calculate a factor for converting '%s' to '%s'." with the two unit entries
// (exclamation beep and box). True when every pair is known.
bool DeriveFactorsReporting(int n, FactorMatrix& factors, const std::array<std::string, kMaxUnits>& units,
                            const Services& services);

} // namespace kalvex
