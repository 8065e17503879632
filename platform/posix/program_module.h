#pragma once

#include <string>

namespace kalvex {

// A function found in one of the program's modules, or why it was not found.
struct ModuleFunction {
    void* address = nullptr;
    std::string error; // when address is null: each place tried and what went wrong there
};

// The folder of the running program, ending with a separator; empty when it cannot be told.
std::string ProgramFolder();

// Finds `function` in the module named `module` (a file name without its suffix), looked for
// beside the program first, where the build puts it, then in the installed module folder. Needs
// no application object, so the windowed program can be found before any exists. A module that
// was found stays loaded for the rest of the run.
ModuleFunction FindModuleFunction(const std::string& module, const char* function);

} // namespace kalvex
