#include "platform/testing/faulty_file_replacer.h"

#include <csignal>
#include <cstdio>

#include <stdlib.h>
#include <sys/resource.h>
#include <unistd.h>

namespace kalvex {
namespace {

// Lowers one resource limit of this process to nothing until destroyed, so the real
// replacement meets the failure a full disk or a folder it cannot write gives it.
class ResourceLimitScope {
public:
    explicit ResourceLimitScope(int resource) : m_resource(resource)
    {
        ::getrlimit(m_resource, &m_saved);
        rlimit none = m_saved;
        none.rlim_cur = 0;
        ::setrlimit(m_resource, &none);
    }
    ~ResourceLimitScope() { ::setrlimit(m_resource, &m_saved); }
    ResourceLimitScope(const ResourceLimitScope&) = delete;
    ResourceLimitScope& operator=(const ResourceLimitScope&) = delete;

private:
    int m_resource;
    rlimit m_saved{};
};

SaveStatus WithFileSizeLimit(const std::filesystem::path& file, std::string_view bytes, Flush flush)
{
    // Past the limit a write fails with EFBIG instead of the process being ended.
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    SaveStatus status;
    {
        ResourceLimitScope limit(RLIMIT_FSIZE);
        status = ReplaceFileAtomically(file, bytes, LinkAtName::WriteTarget, flush);
    }
    std::signal(SIGXFSZ, previous);
    return status;
}

// What a kill after the temporary file is written leaves: that file, and the old one untouched.
SaveStatus LeaveTemporary(const std::filesystem::path& file, std::string_view bytes)
{
    std::string temporary = TemporaryNameTemplate(file);
    const int fd = ::mkstemps(temporary.data(), 4);
    if (fd < 0)
        return SaveStatus::Failed;
    const bool written = ::write(fd, bytes.data(), bytes.size()) == ssize_t(bytes.size());
    ::close(fd);
    if (!written)
        std::remove(temporary.c_str());
    return SaveStatus::Failed;
}

} // namespace

SaveStatus FaultyFileReplacer::Replace(const std::filesystem::path& file, std::string_view bytes, Flush flush)
{
    switch (fault) {
    case ReplaceFault::None:
        break;
    case ReplaceFault::CannotCreate: {
        ResourceLimitScope noFiles(RLIMIT_NOFILE);
        return ReplaceFileAtomically(file, bytes, LinkAtName::WriteTarget, flush);
    }
    case ReplaceFault::DiskFull:
        return WithFileSizeLimit(file, bytes, flush);
    case ReplaceFault::KilledBeforeRename:
        return LeaveTemporary(file, bytes);
    }
    return ReplaceFileAtomically(file, bytes, LinkAtName::WriteTarget, flush);
}

} // namespace kalvex
