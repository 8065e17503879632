#pragma once

#include <string>

namespace kalvex {

// `kalvex --update-rates [URL]`: updates the Money group from the reference rates without a
// window or a display, reporting on the terminal; an empty url takes the settings' address.
// Gives kExitOk, kExitRatesNotUpdated, or kExitNoModule when the network module is missing.
int RunUpdateRatesCommand(int argc, char* argv[], const std::string& url);

} // namespace kalvex
