#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include <stdlib.h>
#include <sys/stat.h>

namespace kalvex::testing {

// A fresh folder under the system's temporary directory, removed with everything in it.
class TempFolder {
public:
    TempFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "kalvex-test-XXXXXX").string();
        m_path = ::mkdtemp(pattern.data());
    }
    ~TempFolder()
    {
        std::error_code error;
        std::filesystem::remove_all(m_path, error);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    // The folder as the program keeps folders: with a trailing separator.
    std::string Dir() const { return m_path.string() + "/"; }

    void Write(const std::string& name, std::string_view bytes) const
    {
        std::ofstream(m_path / name, std::ios::binary) << bytes;
    }

private:
    std::filesystem::path m_path;
};

inline std::string ReadBytes(const std::filesystem::path& file)
{
    std::ifstream stream(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::filesystem::path& file, const std::string& bytes)
{
    std::ofstream stream(file, std::ios::binary | std::ios::trunc);
    stream.write(bytes.data(), std::streamsize(bytes.size()));
}

// A FIFO in place of whatever was at the path: opening it for reading the usual way waits for a
// writer for good.
inline bool MakeFifo(const std::filesystem::path& at)
{
    std::error_code error;
    std::filesystem::remove(at, error);
    return ::mkfifo(at.c_str(), 0600) == 0;
}

// Extends a file (created when missing) to size bytes with a sparse tail: huge by its size,
// nothing on the disk.
inline void MakeSparse(const std::filesystem::path& file, std::uintmax_t size)
{
    std::ofstream(file, std::ios::binary | std::ios::app).flush();
    std::filesystem::resize_file(file, size);
}

} // namespace kalvex::testing
