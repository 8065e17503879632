#pragma once

namespace kalvex {

// Faults that the file replacements of this process meet until the next call; tests use it to
// see what the program does when the disk fails under it.
enum class ReplaceFault {
    None,
    CannotCreate,      // as in a read-only folder
    DiskFull,          // writing the temporary file fails
    KilledBeforeRename // the process dies after writing: the temporary file stays behind
};

void InjectReplaceFault(ReplaceFault fault);

} // namespace kalvex
