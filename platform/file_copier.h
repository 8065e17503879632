#pragma once

#include <cstdint>
#include <filesystem>

namespace kalvex {

// Copies a factor file, expanding it when the source is Microsoft LZ ("SZDD") compressed. Neither
// the source nor its expansion may exceed maxBytes.
class IFileCopier {
public:
    virtual ~IFileCopier() = default;
    virtual bool Copy(const std::filesystem::path& from, const std::filesystem::path& to,
                      std::uintmax_t maxBytes) = 0;
};

} // namespace kalvex
