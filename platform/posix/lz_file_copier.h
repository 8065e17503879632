#pragma once

#include "platform/file_copier.h"

namespace kalvex {

// Copies a file, expanding it when it is Microsoft LZ ("SZDD") compressed. The result is written
// to a new temporary file beside the destination and renamed over it, so a link standing at the
// destination is replaced, never written through, and a failed copy leaves the old file intact.
class LzFileCopier final : public IFileCopier {
public:
    bool Copy(const std::filesystem::path& from, const std::filesystem::path& to) override;
};

} // namespace kalvex
