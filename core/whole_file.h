#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace kalvex {

// The bytes of a regular file; nothing when it is missing, not a regular file or unreadable.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& file);

// Replaces the file with the bytes, never leaving a damaged file behind: the bytes go to a
// new temporary file in the same folder (created exclusively, so an existing file or link of
// that name is never written through), which is flushed and then renamed over the file.
// On any failure the temporary file is removed, the old file stays as it was, and the
// result is false.
bool WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes);

} // namespace kalvex
