#pragma once

namespace kalvex {

// Load the module that runs the rest of the request and hand the process's arguments over to
// it; give its exit code. A module that is missing or cannot be loaded is reported on stderr
// and gives kExitNoModule.
int RunWindowModule(int& argc, char* argv[]);
int RunCommandModule(int& argc, char* argv[]);

} // namespace kalvex
