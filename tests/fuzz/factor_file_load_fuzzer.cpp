// Any bytes as a factor file on disk (all but the last byte, whose low bit asks for a sparse
// tail that makes the file larger than any factor file can be): loading never reads such a file, and a file
// that loads is written back as a file that loads the same.
#include "core/conversion.h"
#include "storage/factor_file.h"
#include "tests/support/real_disk.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

namespace {

// In memory where the system offers it: every loaded input is saved, and a save is flushed.
std::filesystem::path ScratchFile()
{
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::is_directory("/dev/shm", error)
                                             ? std::filesystem::path("/dev/shm")
                                             : std::filesystem::temp_directory_path();
    static const std::filesystem::path file = folder / ("kalvex-fuzz-" + std::to_string(::getpid()) + ".fsf");
    return file;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::uint8_t control = data[size - 1];
    const bool oversized = control & 1;
    const std::filesystem::path file = ScratchFile();
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), std::streamsize(size - 1));
    }
    if (oversized)
        std::filesystem::resize_file(file, kalvex::kMaxFactorFileSize + control);

    kalvex::CConversion group;
    const kalvex::LoadStatus status = kalvex::ReadFactorFile(file, group);
    if (oversized && status != kalvex::LoadStatus::Damaged)
        __builtin_trap();
    if (status == kalvex::LoadStatus::Loaded) {
        if (group.m_unitCount < 2 || group.m_unitCount > kalvex::kMaxUnits)
            __builtin_trap();
        kalvex::CConversion reloaded;
        if (!kalvex::SaveFactorFile(group, file, kalvex::testing::RealDisk()) ||
            !kalvex::LoadFactorFile(file, reloaded) || reloaded.Serialize() != group.Serialize())
            __builtin_trap();
    }
    return 0;
}
