#pragma once

#include "platform/file_replacer.h"

namespace kalvex {

// Replaces files on the real disk.
class DurableFileReplacer final : public IFileReplacer {
public:
    SaveStatus Replace(const std::filesystem::path& file, std::string_view bytes, Flush flush) override
    {
        return ReplaceFileAtomically(file, bytes, LinkAtName::WriteTarget, flush);
    }
};

} // namespace kalvex
