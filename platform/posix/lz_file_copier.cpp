#include "platform/posix/lz_file_copier.h"

#include "platform/regular_file.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include <mspack.h>

namespace kalvex {
namespace {

// Both signatures libmspack reads: the usual one and the QBasic variant.
constexpr std::string_view kSzddMagic("SZDD\x88\xF0\x27\x33", 8);
constexpr std::string_view kQBasicSzddMagic("SZ \x88\xF0\x27\x33\xD1", 8);

// An mspack_system over memory: the one file to read is the compressed image, the one to
// write is the expansion, which stops at the cap.
struct MemorySystem {
    mspack_system base{};
    std::string_view input;
    std::string output;
    std::uintmax_t maxBytes = 0;
};

struct MemoryFile {
    MemorySystem* system;
    bool writing;
    std::size_t position = 0;
};

MemoryFile* Of(mspack_file* file)
{
    return reinterpret_cast<MemoryFile*>(file);
}

mspack_file* SystemOpen(mspack_system* self, const char*, int mode)
{
    if (mode != MSPACK_SYS_OPEN_READ && mode != MSPACK_SYS_OPEN_WRITE)
        return nullptr;
    auto* system = reinterpret_cast<MemorySystem*>(self);
    return reinterpret_cast<mspack_file*>(new MemoryFile{system, mode == MSPACK_SYS_OPEN_WRITE});
}

void SystemClose(mspack_file* file)
{
    delete Of(file);
}

int SystemRead(mspack_file* file, void* buffer, int bytes)
{
    MemoryFile& in = *Of(file);
    if (bytes < 0 || in.writing)
        return -1;
    const std::string_view rest = in.system->input.substr(std::min(in.position, in.system->input.size()));
    const std::size_t taken = std::min(rest.size(), std::size_t(bytes));
    std::memcpy(buffer, rest.data(), taken);
    in.position += taken;
    return int(taken);
}

int SystemWrite(mspack_file* file, void* buffer, int bytes)
{
    MemoryFile& out = *Of(file);
    std::string& output = out.system->output;
    if (bytes < 0 || !out.writing || output.size() + std::size_t(bytes) > out.system->maxBytes)
        return -1;
    output.append(static_cast<const char*>(buffer), std::size_t(bytes));
    return bytes;
}

int SystemSeek(mspack_file* file, off_t offset, int mode)
{
    MemoryFile& in = *Of(file);
    const off_t size = off_t(in.system->input.size());
    const off_t base = mode == MSPACK_SYS_SEEK_START ? 0
                       : mode == MSPACK_SYS_SEEK_CUR ? off_t(in.position)
                                                     : size;
    if (offset < -base || offset > size - base)
        return -1;
    in.position = std::size_t(base + offset);
    return 0;
}

off_t SystemTell(mspack_file* file)
{
    return off_t(Of(file)->position);
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

bool IsSzdd(std::string_view bytes)
{
    const std::string_view start = bytes.substr(0, kSzddMagic.size());
    return start == kSzddMagic || start == kQBasicSzddMagic;
}

} // namespace

std::optional<std::string> ExpandSzdd(std::string_view compressed, std::uintmax_t maxBytes)
{
    MemorySystem system;
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
    system.input = compressed;
    system.maxBytes = maxBytes;

    msszdd_decompressor* decompressor = mspack_create_szdd_decompressor(&system.base);
    if (!decompressor)
        return std::nullopt;
    bool ok = false;
    if (msszddd_header* header = decompressor->open(decompressor, const_cast<char*>("input"))) {
        ok = decompressor->extract(decompressor, header, const_cast<char*>("output")) == MSPACK_ERR_OK;
        decompressor->close(decompressor, header);
    }
    mspack_destroy_szdd_decompressor(decompressor);
    if (!ok)
        return std::nullopt;
    return std::move(system.output);
}

bool LzFileCopier::Copy(const std::filesystem::path& from, const std::filesystem::path& to,
                        std::uintmax_t maxBytes)
{
    FileBytes source = ReadRegularFile(from, maxBytes);
    if (source.status != ReadStatus::Read)
        return false;
    if (IsSzdd(source.bytes)) {
        std::optional<std::string> expanded = ExpandSzdd(source.bytes, maxBytes);
        if (!expanded)
            return false;
        source.bytes = std::move(*expanded);
    }
    return ReplaceFileAtomically(to, source.bytes, LinkAtName::Replace) == SaveStatus::Saved;
}

} // namespace kalvex
