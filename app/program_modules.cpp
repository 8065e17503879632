#include "app/program_modules.h"

#include "app/command_entry.h"
#include "app/exit_status.h"
#include "platform/posix/program_module.h"
#include "ui/shell/window_entry.h"

#include <cstdio>
#include <type_traits>

namespace kalvex {
namespace {

using Entry = int (*)(int* argc, char** argv);

int RunModule(const char* module, const char* entry, const char* what, int& argc, char* argv[])
{
    const ModuleFunction found = FindModuleFunction(module, entry);
    if (!found.address) {
        std::fprintf(stderr, "kalvex: the %s module of Kalvex! could not be loaded: %s\n", what,
                     found.error.c_str());
        return kExitNoModule;
    }
    return reinterpret_cast<Entry>(found.address)(&argc, argv);
}

} // namespace

int RunWindowModule(int& argc, char* argv[])
{
    static_assert(std::is_same_v<WindowEntry, Entry>);
    static_assert(kWindowWithoutDisplay == kExitNoDisplay);
    return RunModule(kWindowModuleName, kWindowEntryName, "window", argc, argv);
}

int RunCommandModule(int& argc, char* argv[])
{
    static_assert(std::is_same_v<CommandEntry, Entry>);
    return RunModule(kCommandModuleName, kCommandEntryName, "command", argc, argv);
}

} // namespace kalvex
