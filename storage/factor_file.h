#pragma once

#include "core/conversion.h"
#include "platform/regular_file.h"

#include <filesystem>
#include <string>

namespace kalvex {

class IFileReplacer;
struct Services;

// Reads a factor file into the group. A missing or damaged file leaves its m_unitCount and
// m_shownCount 0; nothing outside the record is ever touched.
LoadStatus ReadFactorFile(const std::filesystem::path& file, CConversion& group);
bool LoadFactorFile(const std::filesystem::path& file, CConversion& group);

// Writes the whole record atomically, flushed to the disk unless the caller can rebuild it:
// the old file stays intact on any failure, and a read-only file is left alone.
SaveStatus WriteFactorFile(const CConversion& group, const std::filesystem::path& file, IFileReplacer& files,
                           Flush flush = Flush::ToDisk);
bool SaveFactorFile(const CConversion& group, const std::filesystem::path& file, IFileReplacer& files);

// Stamps the date (when unitCount > 0), caps the shown count, saves the group's factor file in
// factorPath and marks the group present in the settings. Returns how the save went; the caller
// tells the user when it failed.
SaveStatus CommitGroup(CConversion& group, int groupId, int unitCount, const std::string& factorPath,
                       const Services& services);

} // namespace kalvex
