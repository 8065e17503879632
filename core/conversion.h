#pragma once

#include "core/byte_reader.h"
#include "core/factors.h"
#include "platform/regular_file.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace kalvex {

class ISettingsStore;
class IClock;

// The largest factor file the format allows: four texts and 30 unit entries of the longest
// stored form, the counts and flags, 30 rows of 30 doubles and the order, each count in its
// long form. Anything larger is not a factor file and is never read into memory.
inline constexpr std::uintmax_t kMaxFactorFileSize =
    (4 + kMaxUnits) * kMaxStoredTextSize + 5 * 2 + kMaxUnits * (6 + 8 * kMaxUnits) + 6 + 2 * kMaxUnits;

enum class LoadStatus {
    Loaded,
    Missing,
    Damaged // unreadable, not a regular file, too large, or not a usable group
};

// The conversion group record: one group's units, factors and display settings.
// Fields are public; callers reach them directly.
class CConversion {
public:
    FactorMatrix m_factors{};
    std::array<std::uint16_t, kMaxUnits> m_unitOrder{}; // 1-based unit numbers, 0 unused
    std::array<std::string, kMaxUnits> m_units;         // "name,symbol", UTF-8
    std::string m_name;
    std::string m_description;
    std::string m_updateDate;
    std::string m_remark;
    std::uint16_t m_unitCount = 0;
    std::uint16_t m_shownCount = 0;
    std::uint16_t m_showAll = 0;
    std::uint16_t m_digits = 0;
    std::uint16_t m_scientific = 0;

    // Reads a factor file. A missing or damaged file leaves m_unitCount and m_shownCount 0;
    // nothing outside the record is ever touched.
    LoadStatus Read(const std::filesystem::path& file);
    bool Load(const std::filesystem::path& file) { return Read(file) == LoadStatus::Loaded; }
    // Writes the whole record atomically, flushed to the disk unless the caller can rebuild it:
    // the old file stays intact on any failure, and a read-only file is left alone.
    SaveStatus Write(const std::filesystem::path& file, Flush flush = Flush::ToDisk) const;
    bool Save(const std::filesystem::path& file) const { return Write(file) == SaveStatus::Saved; }
    // Stamps the date (when unitCount > 0), caps the shown count, saves the group's
    // factor file in factorPath and marks the group present in the settings. Returns how the
    // save went; the caller tells the user when it failed.
    SaveStatus Commit(int groupId, int unitCount, const std::string& factorPath, ISettingsStore& settings,
                      const IClock& clock);

    // Byte image of the record as stored in a factor file, and its reverse.
    std::string Serialize() const;
    // Reading first clears the factors (M[0][0] = 1.0), the unit slots and the order; a
    // damaged image gives false with m_unitCount and m_shownCount 0. An image is damaged when
    // it ends early, a count exceeds the record, it holds fewer than two units, or a row of a
    // unit in use does not cover every unit (a zero-filled file is all of these).
    bool Deserialize(std::string_view bytes);

private:
    bool ReadRecord(std::string_view bytes);
};

// Splits a unit entry at commas, skipping empty pieces: first the name, then the symbol.
std::string UnitName(const std::string& entry);
std::string UnitSymbol(const std::string& entry);

} // namespace kalvex
