#pragma once

#include "platform/posix/durable_file_replacer.h"

namespace kalvex::testing {

// The real disk, for tests that save factor files as the running program does.
inline IFileReplacer& RealDisk()
{
    static DurableFileReplacer disk;
    return disk;
}

} // namespace kalvex::testing
