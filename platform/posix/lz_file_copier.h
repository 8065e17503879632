#pragma once

#include "platform/file_copier.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kalvex {

// Copies a file, expanding it when it is Microsoft LZ ("SZDD") compressed. Only a regular
// source file is read, and neither it nor its expansion may exceed maxBytes. The result
// replaces the destination durably (a link standing there is replaced, never written
// through), so a failed copy leaves the old file intact.
class LzFileCopier final : public IFileCopier {
public:
    bool Copy(const std::filesystem::path& from, const std::filesystem::path& to,
              std::uintmax_t maxBytes) override;
};

// The bytes an SZDD image expands to; nothing when it is damaged or expands beyond maxBytes.
std::optional<std::string> ExpandSzdd(std::string_view compressed, std::uintmax_t maxBytes);

} // namespace kalvex
