#pragma once

namespace kalvex {

// The user's decimal separator: a decimal comma makes "2,5" two and a half.
char UserDecimalSeparator();

} // namespace kalvex
