#pragma once

#include "platform/folder_lock.h"

namespace kalvex::testing {

// Records whether the lock is held and how often it was taken.
class RecordingFolderLock final : public IFolderLock {
public:
    bool Acquire(const std::filesystem::path&) override
    {
        ++acquired;
        ++depth;
        return true;
    }
    void Release() override { --depth; }
    int acquired = 0;
    int depth = 0;
};

} // namespace kalvex::testing
