#pragma once

#include "app/exit_status.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace kalvex {

class ISettingsStore;

// What the program was asked for on its command line. Window when no option of its own was
// given; every other action runs without a window and without a display.
struct CommandLine {
    enum class Action { Window, Help, Version, Convert, List, Import, UpdateRates, Mistake };
    Action action = Action::Window;
    std::string query;
    std::string file; // for Import
    std::string url;  // for UpdateRates; empty: the address the settings name
    std::optional<int> digits;
    bool scientific = false;
    std::string compoundUnits;   // --as: the units to write the value over as well ("ft in")
    char decimalSeparator = '.'; // the user's; a decimal comma makes "2,5" two and a half
    bool library = false;        // --list --library: the library's groups instead of the user's
    std::string libraryDir;      // the library of extra groups; empty when none is installed
    std::string mistake;         // what was wrong, for Mistake
};

// Reads the arguments after the program name. Options of the windowing toolkit (one dash) are
// left to it; any other argument is a Mistake. Every option's value may follow it as the next
// word or after "=".
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// Runs a printing request against the user's profile and factor files, writing nothing; a
// Mistake is reported with the usage.
int RunCommandLine(const CommandLine& request, const ISettingsStore& settings, const std::string& version,
                   std::ostream& out, std::ostream& err);

} // namespace kalvex
