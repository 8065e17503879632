#pragma once

#include <filesystem>

namespace kalvex {

// Copies a factor file, expanding it when the source is Microsoft LZ ("SZDD") compressed.
class IFileCopier {
public:
    virtual ~IFileCopier() = default;
    virtual bool Copy(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
};

} // namespace kalvex
