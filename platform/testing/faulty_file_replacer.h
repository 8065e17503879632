#pragma once

#include "platform/file_replacer.h"

namespace kalvex {

// Faults a replacement can meet on the way.
enum class ReplaceFault {
    None,
    CannotCreate,      // as in a read-only folder
    DiskFull,          // writing the temporary file fails
    KilledBeforeRename // the process dies after writing: the temporary file stays behind
};

// Replaces files on the real disk until a test sets a fault; then every replacement meets it.
class FaultyFileReplacer final : public IFileReplacer {
public:
    SaveStatus Replace(const std::filesystem::path& file, std::string_view bytes, Flush flush) override;

    ReplaceFault fault = ReplaceFault::None;
};

} // namespace kalvex
