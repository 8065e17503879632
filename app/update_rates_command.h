#pragma once

#include <optional>

namespace kalvex {

// `kalvex --update-rates [URL]`: updates the Money group from the reference rates without a
// window or a display, reporting on the terminal. Gives the exit code when the command line
// asks for it, nothing otherwise.
std::optional<int> RunUpdateRatesCommand(int argc, char* argv[]);

} // namespace kalvex
