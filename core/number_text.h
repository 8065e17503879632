#pragma once

#include <string>
#include <string_view>

namespace kalvex {

// Reads a typed value: decimals, fractions ("3/4") and mixed numbers ("2 1/2"); never fails.
double ParseEntry(std::string_view text);
// A result field's text with 3..13 significant digits, fixed or scientific, three-digit exponents.
std::string FormatResult(double value, int digits, bool scientific);
// The short form written back into an input field (n significant digits, trailing point kept).
std::string ShortForm(double value, int n);
// The digits button caption, "#.6" for 6 digits.
std::string DigitsLabel(int digits);

} // namespace kalvex
