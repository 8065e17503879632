#include "storage/group_building.h"

#include "core/conversion.h"

#include <charconv>
#include <cmath>

namespace kalvex {
namespace {

// A leading decimal integer as atoi reads it; 0 when there is none or it does not fit.
long ParseLeadingInteger(std::string_view text)
{
    std::size_t i = text.find_first_not_of(" \t");
    if (i == std::string_view::npos)
        return 0;
    if (text[i] == '+')
        ++i;
    long value = 0;
    auto [ptr, ec] = std::from_chars(text.data() + i, text.data() + text.size(), value);
    (void)ptr;
    return ec == std::errc() ? value : 0;
}

} // namespace

std::vector<std::string_view> SplitTokens(std::string_view text, char separator)
{
    std::vector<std::string_view> tokens;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(separator, start);
        if (end == std::string_view::npos)
            end = text.size();
        if (end > start)
            tokens.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return tokens;
}

double ParseFactor(std::string_view token)
{
    std::size_t i = token.find_first_not_of(" \t");
    if (i == std::string_view::npos)
        return 0.0;
    if (token[i] == '+')
        ++i;
    double value = 0.0;
    auto [ptr, ec] =
        std::from_chars(token.data() + i, token.data() + token.size(), value, std::chars_format::general);
    (void)ptr;
    if (ec != std::errc() || !std::isfinite(value))
        return 0.0;
    return value;
}

void StartNewGroup(CConversion& group)
{
    group.m_units.fill({});
    group.m_unitOrder.fill(0);
    group.m_showAll = 0;
    group.m_remark = "None";
    group.m_scientific = 0;
    group.m_digits = 6;
    for (auto& row : group.m_factors)
        row.fill(0.0);
    group.m_factors[0][0] = 1.0;
}

void SetUnitOrder(CConversion& group, std::string_view orderText)
{
    group.m_unitOrder.fill(0);
    std::size_t shown = 0;
    for (std::string_view token : SplitTokens(orderText, ',')) {
        long unit = ParseLeadingInteger(token);
        if (unit < 1 || unit > group.m_unitCount || shown == group.m_unitOrder.size())
            continue;
        group.m_unitOrder[shown++] = static_cast<std::uint16_t>(unit);
    }
    group.m_shownCount = static_cast<std::uint16_t>(shown);
}

void SetSequentialOrder(CConversion& group, int count)
{
    group.m_unitOrder.fill(0);
    for (int i = 0; i < count; ++i)
        group.m_unitOrder[std::size_t(i)] = static_cast<std::uint16_t>(i + 1);
    group.m_shownCount = static_cast<std::uint16_t>(count);
}

void SetFactorRow(CConversion& group, int j, std::string_view line)
{
    if (j < 0 || j >= kMaxUnits)
        return;
    auto& m = group.m_factors;
    auto tokens = SplitTokens(line, ',');
    for (std::size_t k = 0; k < std::size_t(j) && k < tokens.size(); ++k) {
        double factor = ParseFactor(tokens[k]);
        m[std::size_t(j)][k] = factor;
        if (factor != 0.0)
            m[k][std::size_t(j)] = 1.0 / factor;
    }
    m[std::size_t(j)][std::size_t(j)] = 1.0;
}

void FillMissingThroughFirstUnit(CConversion& group, int unitCount)
{
    for (int i = 1; i < unitCount; ++i)
        for (int j = 0; j < i; ++j)
            if (group.m_factors[std::size_t(i)][std::size_t(j)] == 0.0)
                FillRowThroughFirstUnit(unitCount, i, group.m_factors);
}

} // namespace kalvex
