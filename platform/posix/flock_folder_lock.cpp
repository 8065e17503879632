#include "platform/posix/flock_folder_lock.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace kalvex {

FlockFolderLock::~FlockFolderLock()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool FlockFolderLock::Acquire(const std::filesystem::path& folder)
{
    if (m_depth > 0) {
        ++m_depth;
        return true;
    }
    const std::filesystem::path file = folder / kFileName;
    int fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    // A folder the user may read but not write still shares the lock of an existing file.
    if (fd < 0)
        fd = ::open(file.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return false;
    int locked;
    do
        locked = ::flock(fd, LOCK_EX);
    while (locked != 0 && errno == EINTR);
    if (locked != 0) {
        ::close(fd);
        return false;
    }
    m_fd = fd;
    m_depth = 1;
    return true;
}

void FlockFolderLock::Release()
{
    if (m_depth == 0 || --m_depth > 0)
        return;
    ::close(m_fd); // closing the only descriptor drops the lock
    m_fd = -1;
}

} // namespace kalvex
