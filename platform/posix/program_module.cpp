#include "platform/posix/program_module.h"

#include <dlfcn.h>

#include <filesystem>
#include <system_error>

namespace kalvex {
std::string ProgramFolder()
{
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : program.parent_path().string() + "/";
}

ModuleFunction FindModuleFunction(const std::string& module, const char* function)
{
    const std::filesystem::path programFolder = ProgramFolder();
    const std::string fileName = module + ".so";
    const std::filesystem::path candidates[] = {
        programFolder / fileName,
        programFolder / KALVEX_INSTALLED_MODULE_DIR / fileName,
    };
    ModuleFunction found;
    for (const std::filesystem::path& file : candidates) {
        // Bound lazily, as the program's own calls are: binding every call of the window module
        // to the toolkit up front would cost its start several milliseconds.
        void* const handle = ::dlopen(file.c_str(), RTLD_LAZY | RTLD_LOCAL);
        const char* const loadError = handle ? nullptr : ::dlerror();
        if (handle) {
            found.address = ::dlsym(handle, function);
            if (found.address) {
                found.error.clear();
                return found; // never closed: the caller runs the module's code from now on
            }
            ::dlclose(handle);
        }
        if (!found.error.empty())
            found.error += "; ";
        found.error += loadError ? loadError : file.string() + " offers no " + function;
    }
    return found;
}

} // namespace kalvex
