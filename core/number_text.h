#pragma once

#include <string>
#include <string_view>

namespace kalvex {

// Reads a typed value: decimals, fractions ("3/4") and mixed numbers ("2 1/2"); never fails.
double ParseEntry(std::string_view text);

struct EntryReading {
    double value = 0.0;
    std::string problem; // why the text cannot be read, naming the part at fault; empty when read
};
// Reads a typed value as ParseEntry does, but never cuts a number at a comma between digits: with a
// decimal comma (decimalSeparator ',') that comma is the decimal point; otherwise it may only group
// thousands ("1,500") and any other comma is refused. A point is always a decimal point.
EntryReading ReadEntry(std::string_view text, char decimalSeparator);
// A result field's text with 3..13 significant digits, fixed or scientific, three-digit exponents.
std::string FormatResult(double value, int digits, bool scientific);
// The short form written back into an input field (n significant digits, trailing point kept).
std::string ShortForm(double value, int n);
// The digits button caption, "#.6" for 6 digits.
std::string DigitsLabel(int digits);

} // namespace kalvex
