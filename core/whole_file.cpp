#include "core/whole_file.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <random>

namespace kalvex {
namespace {

constexpr int kTemporaryNameAttempts = 16;

std::filesystem::path TemporaryNameFor(const std::filesystem::path& file, std::mt19937_64& random)
{
    std::filesystem::path name = file;
    name += ".";
    name += std::to_string(random() & 0xFFFFFFFFu);
    name += ".tmp";
    return name;
}

// Creates the file only when nothing of that name exists ("x": fails on any existing entry,
// a dangling link included).
std::FILE* CreateExclusive(const std::filesystem::path& name)
{
    return std::fopen(name.string().c_str(), "wbx");
}

bool WriteAndClose(std::FILE* stream, std::string_view bytes)
{
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), stream) == bytes.size();
    ok = std::fflush(stream) == 0 && ok;
    ok = std::fclose(stream) == 0 && ok;
    return ok;
}

} // namespace

std::optional<std::string> ReadWholeFile(const std::filesystem::path& file)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error))
        return std::nullopt;
    std::ifstream stream(file, std::ios::binary);
    if (!stream)
        return std::nullopt;
    std::string bytes{std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
    if (stream.bad())
        return std::nullopt;
    return bytes;
}

bool WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes)
{
    std::mt19937_64 random{std::random_device{}()};
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        const std::filesystem::path temporary = TemporaryNameFor(file, random);
        std::FILE* stream = CreateExclusive(temporary);
        if (!stream) {
            std::error_code error;
            if (std::filesystem::symlink_status(temporary, error).type() !=
                std::filesystem::file_type::not_found)
                continue; // the name is taken; try another
            return false; // the folder cannot be written
        }
        std::error_code error;
        if (WriteAndClose(stream, bytes)) {
            std::filesystem::rename(temporary, file, error);
            if (!error)
                return true;
        }
        std::filesystem::remove(temporary, error);
        return false;
    }
    return false;
}

} // namespace kalvex
