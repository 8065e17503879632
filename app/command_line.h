#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace kalvex {

class ISettingsStore;

// What the program was asked for on its command line. Window when no option of its own was
// given; the printing options run without a window and without a display.
struct CommandLine {
    enum class Action { Window, Help, Version, Convert, List, Mistake };
    Action action = Action::Window;
    std::string query;
    std::optional<int> digits;
    bool scientific = false;
    char decimalSeparator = '.'; // the user's; a decimal comma makes "2,5" two and a half
    std::string mistake;         // what was wrong, for Mistake
};

// Reads the arguments after the program name. Options of the windowing toolkit (one dash) are
// left to it.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// Exit statuses.
inline constexpr int kExitOk = 0;
inline constexpr int kExitNoDisplay = 1;
inline constexpr int kExitRefused = 2;

// Runs a printing request against the user's profile and factor files, writing nothing.
int RunCommandLine(const CommandLine& request, const ISettingsStore& settings, const std::string& version,
                   std::ostream& out, std::ostream& err);

} // namespace kalvex
