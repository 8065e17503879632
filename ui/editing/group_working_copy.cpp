#include "ui/editing/group_working_copy.h"

#include "core/conversion.h"
#include "storage/group_building.h"

#include <algorithm>

namespace kalvex {
namespace {

constexpr std::size_t kSize = kMaxUnits;
// The conversion window lists at most 15 chosen units.
constexpr int kMaxShownUnits = 15;

bool IsContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Limits count characters, not bytes: the byte offset after the first `count` characters.
std::size_t OffsetOfCharacter(const std::string& text, std::size_t count)
{
    std::size_t seen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!IsContinuationByte(text[i]) && seen++ == count)
            return i;
    }
    return text.size();
}

std::size_t CharacterCount(const std::string& text)
{
    return std::size_t(
        std::count_if(text.begin(), text.end(), [](char c) { return !IsContinuationByte(c); }));
}

} // namespace

void GroupWorkingCopy::LoadFrom(const CConversion& group, int n)
{
    m_count = std::clamp(n, 0, kMaxUnits);
    m_units = {};
    m_factors = {};
    m_loadedNumber = {};
    for (std::size_t i = 0; i < std::size_t(m_count); ++i) {
        m_units[i] = group.m_units[i];
        m_loadedNumber[i] = int(i) + 1;
        for (std::size_t j = 0; j < std::size_t(m_count); ++j)
            m_factors[i][j] = group.m_factors[i][j];
        m_factors[i][i] = 1.0;
    }
}

void GroupWorkingCopy::CopyTo(CConversion& group) const
{
    group.m_units = m_units;
    for (std::size_t i = 0; i < kSize; ++i) {
        for (std::size_t j = 0; j < kSize; ++j) {
            const bool inside = i < std::size_t(m_count) && j < std::size_t(m_count);
            group.m_factors[i][j] = inside ? m_factors[i][j] : 0.0;
        }
    }
    group.m_unitCount = std::uint16_t(m_count);
    RenumberUnitOrder(group);
}

void GroupWorkingCopy::CopyToNewGroup(CConversion& group) const
{
    group = CConversion{};
    StartNewGroup(group);
    CopyTo(group);
    SetSequentialOrder(group, m_count);
    group.m_shownCount = std::uint16_t(std::min(m_count, kMaxShownUnits));
}

void GroupWorkingCopy::RenumberUnitOrder(CConversion& group) const
{
    std::array<std::uint16_t, kMaxUnits> order{};
    std::size_t kept = 0;
    const std::size_t listed = std::min<std::size_t>(group.m_shownCount, kSize);
    for (std::size_t k = 0; k < listed; ++k) {
        const auto now =
            std::find(m_loadedNumber.begin(), m_loadedNumber.begin() + m_count, int(group.m_unitOrder[k]));
        if (group.m_unitOrder[k] != 0 && now != m_loadedNumber.begin() + m_count)
            order[kept++] = std::uint16_t(now - m_loadedNumber.begin() + 1);
    }
    group.m_unitOrder = order;
    group.m_shownCount = std::uint16_t(kept);
}

bool GroupWorkingCopy::StoreUnit(int u, const std::string& name, const std::string& symbol,
                                 bool firstOfEmptyGroup)
{
    std::string entry = name + "," + symbol;
    const std::size_t limit = firstOfEmptyGroup ? kMaxStoredLength - 1 : kMaxStoredLength;
    const bool truncated = CharacterCount(entry) >= limit;
    if (truncated)
        entry.resize(OffsetOfCharacter(entry, kMaxStoredLength));
    m_units[std::size_t(u)] = entry;
    return truncated;
}

void GroupWorkingCopy::PairUpdate(int u, int b, double f)
{
    const std::size_t moved = std::size_t(u != 0 ? u : b);
    for (std::size_t j = 0; j < kSize; ++j) {
        m_factors[moved][j] = 0.0;
        m_factors[j][moved] = 0.0;
    }
    const auto ui = std::size_t(u);
    const auto bi = std::size_t(b);
    m_factors[ui][bi] = f;
    m_factors[bi][ui] = 1.0 / m_factors[ui][bi];
    m_factors[ui][ui] = 1.0;
    m_factors[bi][bi] = 1.0;
    // Units nothing relates stay unknown here; the editor reports them when it closes.
    DeriveFactors(m_count, m_factors);
}

void GroupWorkingCopy::RemoveUnit(int d)
{
    const auto di = std::size_t(d);
    const auto n = std::size_t(m_count);
    for (std::size_t j = 0; j < n; ++j) {
        m_factors[di][j] = 0.0;
        m_factors[j][di] = 0.0;
    }
    for (std::size_t r = di; r + 1 < kSize; ++r) {
        m_units[r] = m_units[r + 1];
        m_factors[r] = m_factors[r + 1];
        m_loadedNumber[r] = m_loadedNumber[r + 1];
    }
    m_units[kSize - 1].clear();
    m_loadedNumber[kSize - 1] = 0;
    m_factors[kSize - 1] = {};
    for (std::size_t r = 0; r + 1 < n; ++r) {
        for (std::size_t c = di; c + 1 < kSize; ++c)
            m_factors[r][c] = m_factors[r][c + 1];
        m_factors[r][kSize - 1] = 0.0;
    }
    m_count -= 1;
}

} // namespace kalvex
