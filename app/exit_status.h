#pragma once

// The program's exit statuses, one meaning each, so a script can tell what went wrong. --help,
// the manual page and the README list them.

namespace kalvex {

inline constexpr int kExitOk = 0;
inline constexpr int kExitNoDisplay = 1;       // the window cannot open: no display is named
inline constexpr int kExitRefused = 2;         // wrong options, or a query that converts nothing
inline constexpr int kExitRatesNotUpdated = 3; // --update-rates left the Money group as it was
inline constexpr int kExitNotImported = 4;     // --import added no group
inline constexpr int kExitNoModule = 5;        // a module of the program is missing or cannot be loaded

} // namespace kalvex
