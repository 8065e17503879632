#include "app/display_check.h"

#include <cstdlib>
#include <cstring>

namespace kalvex {
namespace {

bool IsSet(const char* name)
{
    const char* value = std::getenv(name);
    return value && *value;
}

} // namespace

bool HasDisplay(int argc, char* argv[])
{
#if defined(__unix__) && !defined(__APPLE__)
    if (IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY") || IsSet("QT_QPA_PLATFORM"))
        return true;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0)
            return true;
    return false;
#else
    (void)argc;
    (void)argv;
    return true;
#endif
}

} // namespace kalvex
