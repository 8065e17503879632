#pragma once

#include "platform/regular_file.h"

#include <filesystem>
#include <string_view>

namespace kalvex {

// Replaces a file's whole content durably (see ReplaceFileAtomically): a link's target is
// replaced, and on any failure the old file stays whole. Storage saves factor files through
// it, so a test can make the disk fail under a save.
class IFileReplacer {
public:
    virtual ~IFileReplacer() = default;
    virtual SaveStatus Replace(const std::filesystem::path& file, std::string_view bytes, Flush flush) = 0;
};

} // namespace kalvex
