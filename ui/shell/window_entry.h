#pragma once

// The windowed program is a module of its own, loaded only when a window opens, so that the
// options that only print never load the window libraries. This is its one entry point.
//
// The module carries its own copy of the core, the storage and the platform code. The program
// runs none of it before handing over, so a windowed run does all its work in the module's
// copy: one step counter, one set of caches.

namespace kalvex {

// The module's file name without its suffix, and the entry point's name in it.
inline constexpr const char* kWindowModuleName = "kalvex_window";
inline constexpr const char* kWindowEntryName = "kalvex_run_window_v1";

// Runs the windowed program on the process's arguments until its main window closes and gives
// the exit code. argc is the one the toolkit keeps a reference to: it must outlive the call.
using WindowEntry = int (*)(int* argc, char** argv);

// The exit code of a windowed run whose display cannot be reached.
inline constexpr int kWindowWithoutDisplay = 1;

} // namespace kalvex

extern "C" __attribute__((visibility("default"))) int kalvex_run_window_v1(int* argc, char** argv);
