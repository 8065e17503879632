#pragma once

#include <string>

namespace kalvex {

// "kalvex --import FILE": adds a factor file as the next custom group without a window.
// Prints the new group's tag and name and gives kExitOk, or prints the refusal on stderr and
// gives kExitNotImported; a name that is taken gets " (2)" (or the next free number).
int RunImportCommand(int argc, char* argv[], const std::string& file);

} // namespace kalvex
