#include "platform/posix/lz_file_copier.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include <fcntl.h>
#include <mspack.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kalvex {
namespace {

// Both signatures libmspack reads: the usual one and the QBasic variant.
constexpr std::string_view kSzddMagic("SZDD\x88\xF0\x27\x33", 8);
constexpr std::string_view kQBasicSzddMagic("SZ \x88\xF0\x27\x33\xD1", 8);

struct FdFile {
    int fd;
};

int FdOf(mspack_file* file)
{
    return reinterpret_cast<FdFile*>(file)->fd;
}

bool WriteAll(int fd, const char* data, std::size_t size)
{
    while (size > 0) {
        ssize_t written = ::write(fd, data, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        size -= std::size_t(written);
    }
    return true;
}

ssize_t ReadSome(int fd, void* buffer, std::size_t size)
{
    ssize_t got;
    do
        got = ::read(fd, buffer, size);
    while (got < 0 && errno == EINTR);
    return got;
}

// An mspack_system over file descriptors whose only writable file is the prepared output.
struct OutputSystem {
    mspack_system base{};
    int outputFd = -1;
};

mspack_file* SystemOpen(mspack_system* self, const char* filename, int mode)
{
    int fd = -1;
    if (mode == MSPACK_SYS_OPEN_READ)
        fd = ::open(filename, O_RDONLY | O_CLOEXEC);
    else if (mode == MSPACK_SYS_OPEN_WRITE)
        fd = ::dup(reinterpret_cast<OutputSystem*>(self)->outputFd);
    if (fd < 0)
        return nullptr;
    return reinterpret_cast<mspack_file*>(new FdFile{fd});
}

void SystemClose(mspack_file* file)
{
    ::close(FdOf(file));
    delete reinterpret_cast<FdFile*>(file);
}

int SystemRead(mspack_file* file, void* buffer, int bytes)
{
    return bytes < 0 ? -1 : int(ReadSome(FdOf(file), buffer, std::size_t(bytes)));
}

int SystemWrite(mspack_file* file, void* buffer, int bytes)
{
    if (bytes < 0 || !WriteAll(FdOf(file), static_cast<const char*>(buffer), std::size_t(bytes)))
        return -1;
    return bytes;
}

int SystemSeek(mspack_file* file, off_t offset, int mode)
{
    const int whence = mode == MSPACK_SYS_SEEK_START ? SEEK_SET
                       : mode == MSPACK_SYS_SEEK_CUR ? SEEK_CUR
                                                     : SEEK_END;
    return ::lseek(FdOf(file), offset, whence) < 0 ? -1 : 0;
}

off_t SystemTell(mspack_file* file)
{
    return ::lseek(FdOf(file), 0, SEEK_CUR);
}

void SystemMessage(mspack_file*, const char*, ...) {}

void* SystemAlloc(mspack_system*, std::size_t bytes)
{
    return std::malloc(bytes);
}

void SystemFree(void* pointer)
{
    std::free(pointer);
}

void SystemCopy(void* from, void* to, std::size_t bytes)
{
    std::memmove(to, from, bytes);
}

bool Expand(const std::filesystem::path& from, int outputFd)
{
    OutputSystem system;
    system.base.open = SystemOpen;
    system.base.close = SystemClose;
    system.base.read = SystemRead;
    system.base.write = SystemWrite;
    system.base.seek = SystemSeek;
    system.base.tell = SystemTell;
    system.base.message = SystemMessage;
    system.base.alloc = SystemAlloc;
    system.base.free = SystemFree;
    system.base.copy = SystemCopy;
    system.outputFd = outputFd;

    msszdd_decompressor* decompressor = mspack_create_szdd_decompressor(&system.base);
    if (!decompressor)
        return false;
    bool ok = false;
    if (msszddd_header* header = decompressor->open(decompressor, const_cast<char*>(from.c_str()))) {
        ok = decompressor->extract(decompressor, header, const_cast<char*>("output")) == MSPACK_ERR_OK;
        decompressor->close(decompressor, header);
    }
    mspack_destroy_szdd_decompressor(decompressor);
    return ok;
}

bool PlainCopy(int sourceFd, int outputFd)
{
    char buffer[65536];
    for (;;) {
        ssize_t got = ReadSome(sourceFd, buffer, sizeof buffer);
        if (got == 0)
            return true;
        if (got < 0 || !WriteAll(outputFd, buffer, std::size_t(got)))
            return false;
    }
}

// Reads the first bytes to tell an SZDD file; fills copied with the plain copy otherwise.
bool CopyOrExpand(const std::filesystem::path& from, int outputFd)
{
    int sourceFd = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
    if (sourceFd < 0)
        return false;
    char head[8];
    ssize_t got = ReadSome(sourceFd, head, sizeof head);
    const std::string_view start(head, got > 0 ? std::size_t(got) : 0);
    bool ok;
    if (start == kSzddMagic || start == kQBasicSzddMagic) {
        ok = Expand(from, outputFd);
    } else {
        ok = got >= 0 && ::lseek(sourceFd, 0, SEEK_SET) == 0 && PlainCopy(sourceFd, outputFd);
    }
    ::close(sourceFd);
    return ok;
}

mode_t NewFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

bool LzFileCopier::Copy(const std::filesystem::path& from, const std::filesystem::path& to)
{
    const std::filesystem::path folder = to.has_parent_path() ? to.parent_path() : ".";
    std::string temporary = (folder / ("." + to.filename().string() + ".XXXXXX")).string();
    const int outputFd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (outputFd < 0)
        return false;
    bool ok =
        ::fchmod(outputFd, NewFileMode()) == 0 && CopyOrExpand(from, outputFd) && ::fsync(outputFd) == 0;
    ok = ::close(outputFd) == 0 && ok;
    ok = ok && ::rename(temporary.c_str(), to.c_str()) == 0;
    if (!ok)
        ::unlink(temporary.c_str());
    return ok;
}

} // namespace kalvex
