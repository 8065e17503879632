#pragma once

#include <filesystem>

namespace kalvex {

// An exclusive lock on a folder that every process of the user shares: while one holds it, no
// other changes what the lock guards. Taking it again in the process that holds it nests.
class IFolderLock {
public:
    virtual ~IFolderLock() = default;
    // Waits until this process holds the folder's lock. False when the folder cannot hold a
    // lock file; nothing is held then, and the caller goes on unguarded.
    virtual bool Acquire(const std::filesystem::path& folder) = 0;
    virtual void Release() = 0;
};

} // namespace kalvex
