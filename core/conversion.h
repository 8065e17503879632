#pragma once

#include "core/byte_reader.h"
#include "core/factors.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace kalvex {

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

    // Byte image of the record as stored in a factor file, and its reverse.
    std::string Serialize() const;
    // Clears the record as a missing or damaged factor file leaves it: the factors reset
    // (M[0][0] = 1.0), no units in use.
    void ClearUnreadable();
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
