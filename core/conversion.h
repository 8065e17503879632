#pragma once

#include "core/factors.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace kalvex {

class ISettingsStore;
class IClock;

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

    // Reads a factor file. A missing, unreadable or damaged file gives false with
    // m_unitCount and m_shownCount 0; nothing outside the record is ever touched.
    bool Load(const std::filesystem::path& file);
    // Writes the whole record atomically: the old file stays intact on any failure.
    bool Save(const std::filesystem::path& file) const;
    // Stamps the date (when unitCount > 0), caps the shown count, saves the group's
    // factor file in factorPath and marks the group present in the settings.
    void Commit(int groupId, int unitCount, const std::string& factorPath, ISettingsStore& settings,
                const IClock& clock);

    // Byte image of the record as stored in a factor file, and its reverse.
    std::string Serialize() const;
    // Reading first clears the factors (M[0][0] = 1.0), the unit slots and the order; a
    // damaged image gives false with m_unitCount and m_shownCount 0.
    bool Deserialize(std::string_view bytes);

private:
    bool ReadRecord(std::string_view bytes);
};

// Splits a unit entry at commas, skipping empty pieces: first the name, then the symbol.
std::string UnitName(const std::string& entry);
std::string UnitSymbol(const std::string& entry);

} // namespace kalvex
