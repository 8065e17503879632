#pragma once

#include "platform/folder_lock.h"

namespace kalvex {

// flock on a hidden file in the folder. The kernel drops the lock when the process ends, so a
// killed holder never leaves the others waiting.
class FlockFolderLock final : public IFolderLock {
public:
    ~FlockFolderLock() override;
    bool Acquire(const std::filesystem::path& folder) override;
    void Release() override;

    static constexpr const char* kFileName = ".kalvex-groups.lock";

private:
    int m_fd = -1;
    int m_depth = 0;
};

} // namespace kalvex
