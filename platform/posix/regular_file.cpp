#include "platform/regular_file.h"

#include "platform/stop_after_step.h"

#include <algorithm>
#include <cerrno>
#include <optional>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace kalvex {
namespace {

// Links followed when a link's target is written; more means a loop.
constexpr int kMaxLinkHops = 40;
constexpr std::size_t kReadChunk = 65536;
// Names tried for a damaged file kept aside before giving up.
constexpr int kSetAsideAttempts = 100;

bool IsLetterOrDigitRun(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
    });
}

// What follows "Name.fsf." when the name starts that way with a name of letters and digits.
std::optional<std::string_view> AfterFactorFileName(std::string_view name)
{
    constexpr std::string_view kExtension = ".fsf.";
    const std::size_t dot = name.find('.');
    if (dot == std::string_view::npos || !IsLetterOrDigitRun(name.substr(0, dot)) ||
        name.substr(dot, kExtension.size()) != kExtension)
        return std::nullopt;
    return name.substr(dot + kExtension.size());
}

// "Dist.fsf.a1B2c3.tmp" as written now, "Dist.fsf.123456789.tmp" (a suffix of up to ten) and
// ".Dist.fsf.a1B2c3" (a suffix of six) as earlier versions of the program named their
// temporary files.
bool IsTemporaryName(std::string_view name)
{
    constexpr std::string_view kTmp = ".tmp";
    if (name.starts_with('.')) {
        const std::optional<std::string_view> suffix = AfterFactorFileName(name.substr(1));
        return suffix && suffix->size() == 6 && IsLetterOrDigitRun(*suffix);
    }
    const std::optional<std::string_view> rest = AfterFactorFileName(name);
    if (!rest || !rest->ends_with(kTmp))
        return false;
    const std::string_view suffix = rest->substr(0, rest->size() - kTmp.size());
    return suffix.size() <= 10 && IsLetterOrDigitRun(suffix);
}

class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int Get() const { return m_fd; }
    // Closes now, reporting the failure a delayed write error shows as.
    bool Close()
    {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

ssize_t ReadSome(int fd, char* buffer, std::size_t size)
{
    ssize_t got;
    do
        got = ::read(fd, buffer, size);
    while (got < 0 && errno == EINTR);
    return got;
}

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(std::size_t(written));
    }
    return true;
}

// The file a chain of links ends at (which need not exist yet); the name itself when it is
// no link, or when the chain loops.
fs::path FinalTarget(const fs::path& file)
{
    fs::path current = file;
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(current, error)))
            return current;
        const fs::path link = fs::read_symlink(current, error);
        if (error)
            return current;
        current = link.is_absolute() ? link : current.parent_path() / link;
    }
    return file;
}

mode_t NewFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool SyncFolder(const fs::path& folder)
{
    Descriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return fd.Get() >= 0 && ::fsync(fd.Get()) == 0;
}

// Writes (and flushes) the temporary file; false when the disk refused any of it.
bool FillTemporary(int fd, mode_t mode, std::string_view bytes, Flush flush)
{
    return ::fchmod(fd, mode) == 0 && WriteAll(fd, bytes) && (flush == Flush::Lazily || ::fsync(fd) == 0);
}

} // namespace

std::string TemporaryNameTemplate(const fs::path& file)
{
    return file.string() + ".XXXXXX.tmp";
}

FileBytes ReadRegularFile(const fs::path& file, std::uintmax_t maxBytes)
{
    Descriptor fd(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.Get() < 0)
        return {errno == ENOENT || errno == ENOTDIR ? ReadStatus::Missing : ReadStatus::Unusable, {}};
    struct stat info {};
    if (::fstat(fd.Get(), &info) != 0 || !S_ISREG(info.st_mode) || std::uintmax_t(info.st_size) > maxBytes)
        return {ReadStatus::Unusable, {}};
    // The size is checked again while reading: the file may grow after the check.
    FileBytes result{ReadStatus::Read, {}};
    std::string& bytes = result.bytes;
    for (;;) {
        const std::size_t had = bytes.size();
        bytes.resize(had + kReadChunk);
        const ssize_t got = ReadSome(fd.Get(), bytes.data() + had, kReadChunk);
        bytes.resize(had + std::size_t(got > 0 ? got : 0));
        if (got < 0 || bytes.size() > maxBytes)
            return {ReadStatus::Unusable, {}};
        if (got == 0)
            return result;
    }
}

SaveStatus ReplaceFileAtomically(const fs::path& file, std::string_view bytes, LinkAtName links, Flush flush)
{
    const fs::path target = links == LinkAtName::WriteTarget ? FinalTarget(file) : file;
    mode_t mode = NewFileMode();
    struct stat old {};
    if (::lstat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
        if ((old.st_mode & 0222) == 0)
            return SaveStatus::ReadOnly;
        mode = old.st_mode & 07777;
    }
    std::string temporary = TemporaryNameTemplate(target);
    Descriptor fd(::mkostemps(temporary.data(), 4, O_CLOEXEC));
    if (fd.Get() < 0)
        return SaveStatus::Failed;
    const bool written = FillTemporary(fd.Get(), mode, bytes, flush);
    const bool closed = fd.Close();
    if (written && closed)
        StepTaken("temporary file written");
    if (!written || !closed || ::rename(temporary.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return SaveStatus::Failed;
    }
    StepTaken("file replaced");
    // Some file systems cannot flush a folder; the file itself is safe by now.
    if (flush == Flush::ToDisk)
        SyncFolder(target.has_parent_path() ? target.parent_path() : fs::path("."));
    return SaveStatus::Saved;
}

bool MoveFile(const fs::path& from, const fs::path& to)
{
    if (::rename(from.c_str(), to.c_str()) != 0)
        return false;
    StepTaken("file renamed");
    return true;
}

bool RemoveFile(const fs::path& file)
{
    if (::unlink(file.c_str()) != 0)
        return false;
    StepTaken("file removed");
    return true;
}

std::string SetAside(const fs::path& file)
{
    for (int attempt = 1; attempt <= kSetAsideAttempts; ++attempt) {
        const std::string kept = file.string() + ".damaged" + (attempt > 1 ? std::to_string(attempt) : "");
        // A second name, then the first one gone: a link never replaces an existing entry.
        if (::link(file.c_str(), kept.c_str()) == 0) {
            if (::unlink(file.c_str()) == 0)
                return kept;
            ::unlink(kept.c_str());
            return {};
        }
        if (errno != EEXIST)
            return {};
    }
    return {};
}

void RemoveStaleTemporaries(const fs::path& folder)
{
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code statusError;
        if (it->is_symlink(statusError) || !it->is_regular_file(statusError))
            continue;
        if (IsTemporaryName(it->path().filename().string()))
            fs::remove(it->path(), statusError);
    }
}

} // namespace kalvex
