#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace kalvex {

// Reading and replacing the files the program keeps (factor files, legacy profiles, the
// transfer file). Only regular files are read, never more than the caller allows, and a
// replacement is durable: a crash or power loss leaves the old file or the new one, whole.

enum class ReadStatus {
    Read,
    Missing,
    Unusable // not a regular file (FIFO, device, folder), larger than allowed, or unreadable
};

struct FileBytes {
    ReadStatus status = ReadStatus::Missing;
    std::string bytes;
};

// Opens without blocking and checks what was opened, so a FIFO or device swapped in under the
// name is refused rather than waited on or read without end.
FileBytes ReadRegularFile(const std::filesystem::path& file, std::uintmax_t maxBytes);

enum class SaveStatus {
    Saved,
    ReadOnly, // the file exists and its owner made it read-only: it is left alone
    Failed    // the folder cannot be written, the disk is full, ...: the old file is intact
};

enum class LinkAtName {
    WriteTarget, // a link's target is replaced, in the target's folder; the link stays
    Replace      // a link is replaced by the new file
};

enum class Flush {
    ToDisk, // the new file and its folder reach the disk before the call returns
    Lazily  // left to the system: only for files the program rebuilds by itself when a crash
            // leaves them damaged
};

// Writes the bytes to a new temporary file in the same folder, flushes it to the disk, renames
// it over the file and flushes the folder. The new file keeps the old one's permissions.
SaveStatus ReplaceFileAtomically(const std::filesystem::path& file, std::string_view bytes,
                                 LinkAtName links = LinkAtName::WriteTarget, Flush flush = Flush::ToDisk);

// The name a replacement of `file` gives its temporary file, the trailing X's before ".tmp"
// made unique; RemoveStaleTemporaries knows these names.
std::string TemporaryNameTemplate(const std::filesystem::path& file);

// Renames a file in one step; a link is moved itself, never written through. Whatever the
// target name held is replaced. False when the file stays where it is.
bool MoveFile(const std::filesystem::path& from, const std::filesystem::path& to);
// Removes the name (a link itself, not what it points to). False when it is still there.
bool RemoveFile(const std::filesystem::path& file);

// Renames a damaged file to its name followed by ".damaged" (".damaged2", ... when that is
// taken), never replacing anything. Returns the new name; empty when the file stays where it is.
std::string SetAside(const std::filesystem::path& file);

// Removes the temporary files that a replacement interrupted by a crash or kill left in the
// folder; nothing else is touched.
void RemoveStaleTemporaries(const std::filesystem::path& folder);

} // namespace kalvex
