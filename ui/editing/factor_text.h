#pragma once

#include <QString>
#include <optional>

namespace kalvex {

// Reads the group editor's factor field: the numbers a conversion window's value field takes
// (decimals with an optional exponent, fractions "1/3", mixed numbers "2 1/2"), blanks around
// them allowed. Nothing when the text is not wholly such a number or its value is not finite.
std::optional<double> ReadFactorText(const QString& text);

} // namespace kalvex
