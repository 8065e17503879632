#include "core/conversion.h"

#include "core/byte_reader.h"
#include "core/byte_writer.h"

#include <algorithm>

namespace kalvex {
namespace {

constexpr std::uint32_t kStoredRowLength = kMaxUnits;

void ClearFactors(FactorMatrix& factors)
{
    for (auto& row : factors)
        row.fill(0.0);
    factors[0][0] = 1.0;
}

// Splits at commas, skipping empty pieces, and returns piece number `index` (0-based).
std::string UnitPiece(const std::string& entry, int index)
{
    std::size_t start = 0;
    while (start <= entry.size()) {
        std::size_t end = entry.find(',', start);
        if (end == std::string::npos)
            end = entry.size();
        if (end > start && index-- == 0)
            return entry.substr(start, end - start);
        start = end + 1;
    }
    return {};
}

} // namespace

void CConversion::ClearUnreadable()
{
    ClearFactors(m_factors);
    m_unitCount = 0;
    m_shownCount = 0;
}

std::string CConversion::Serialize() const
{
    ByteWriter out;
    // The remark is stored before the update date.
    out.WriteString(m_name);
    out.WriteString(m_description);
    out.WriteString(m_remark);
    out.WriteString(m_updateDate);
    // Counts beyond the record would make a file that cannot be loaded again.
    const std::uint16_t unitCount = std::min<std::uint16_t>(m_unitCount, kMaxUnits);
    out.WriteU16(unitCount);
    out.WriteU16(std::min<std::uint16_t>(m_shownCount, kMaxUnits));
    out.WriteU16(m_showAll);
    out.WriteU16(m_digits);
    out.WriteU16(m_scientific);
    for (std::size_t i = 0; i < unitCount; ++i)
        out.WriteString(m_units[i]);
    for (const auto& row : m_factors) {
        out.WriteCount(kStoredRowLength);
        for (double factor : row)
            out.WriteDouble(factor);
    }
    out.WriteCount(kMaxUnits);
    for (std::uint16_t unit : m_unitOrder)
        out.WriteU16(unit);
    return out.Bytes();
}

bool CConversion::Deserialize(std::string_view bytes)
{
    ClearFactors(m_factors);
    m_unitOrder.fill(0);
    for (auto& unit : m_units)
        unit.clear();
    if (ReadRecord(bytes))
        return true;
    m_unitCount = 0;
    m_shownCount = 0;
    return false;
}

// Every count is checked against the 30-unit record before it is used; a file that ends
// early fails, except inside the unit order, whose missing words stay 0.
bool CConversion::ReadRecord(std::string_view bytes)
{
    ByteReader in(bytes);
    if (!in.ReadString(m_name) || !in.ReadString(m_description) || !in.ReadString(m_remark) ||
        !in.ReadString(m_updateDate))
        return false;
    std::uint16_t unitCount = 0;
    std::uint16_t shownCount = 0;
    if (!in.ReadU16(unitCount) || !in.ReadU16(shownCount) || !in.ReadU16(m_showAll) ||
        !in.ReadU16(m_digits) || !in.ReadU16(m_scientific))
        return false;
    // A group needs two units to convert anything; a zero-filled file has none.
    if (unitCount < 2 || unitCount > kMaxUnits || shownCount > kMaxUnits)
        return false;
    m_unitCount = unitCount;
    m_shownCount = shownCount;
    for (std::size_t i = 0; i < unitCount; ++i) {
        if (!in.ReadString(m_units[i]))
            return false;
    }
    for (std::size_t r = 0; r < m_factors.size(); ++r) {
        std::uint32_t length = 0;
        if (!in.ReadCount(length) || length > kMaxUnits)
            return false;
        // A row of a unit in use must relate it to every unit in use.
        if (r < unitCount && length < unitCount)
            return false;
        for (std::size_t c = 0; c < length; ++c) {
            if (!in.ReadDouble(m_factors[r][c]))
                return false;
        }
    }
    std::uint32_t orderLength = 0;
    if (!in.ReadCount(orderLength) || orderLength > kMaxUnits)
        return false;
    const std::string_view words = in.ReadAtMost(std::size_t(orderLength) * 2);
    for (std::size_t i = 0; i < words.size(); ++i)
        m_unitOrder[i / 2] |= std::uint16_t(static_cast<unsigned char>(words[i]) << (8 * (i % 2)));
    return true;
}

std::string UnitName(const std::string& entry)
{
    return UnitPiece(entry, 0);
}

std::string UnitSymbol(const std::string& entry)
{
    return UnitPiece(entry, 1);
}

} // namespace kalvex
