#pragma once

// The options that need the toolkit's core library (importing, updating the rates, and printing
// from a settings file only the toolkit reads exactly) run in a module of their own, so the
// program itself loads no toolkit library at all. Like the window module, it carries its own
// copy of the code below it and does all of a run's work in that copy.

namespace kalvex {

inline constexpr const char* kCommandModuleName = "kalvex_commands";
inline constexpr const char* kCommandEntryName = "kalvex_run_command_v1";

// Runs the command line's request on a core application and gives the exit code.
using CommandEntry = int (*)(int* argc, char** argv);

} // namespace kalvex

extern "C" __attribute__((visibility("default"))) int kalvex_run_command_v1(int* argc, char** argv);
