#include "storage/unit_catalog.h"

#include "core/group_ids.h"
#include "core/result_lines.h"
#include "core/unit_aliases.h"
#include "storage/builtin_groups.h"
#include "storage/currencies.h"
#include "storage/earlier_builtin_factors.h"
#include "storage/factor_file.h"
#include "storage/settings_profile.h"

#include <algorithm>

namespace kalvex {
namespace {

bool IsEnabled(const ISettingsStore& settings, int groupId)
{
    return ReadSetting(settings, profile::GroupEnabledSetting(groupId)) != 0;
}

bool CanOpen(const CConversion& group)
{
    return group.m_unitCount >= 2 && group.m_shownCount >= 2;
}

std::string WithoutAmpersands(std::string text)
{
    std::erase(text, '&');
    return text;
}

} // namespace

std::vector<CatalogGroup> LoadEnabledGroups(const ISettingsStore& settings, const std::string& factorPath)
{
    std::vector<CatalogGroup> groups;
    if (IsEnabled(settings, kTemperatureId))
        groups.push_back({kTemperatureId, BuiltinGroupName(kTemperatureId), {}});

    auto loaded = [&](int groupId, CConversion& group) {
        return !factorPath.empty() && LoadFactorFile(FactorFileName(factorPath, groupId), group) &&
               CanOpen(group);
    };
    for (int groupId = kFirstFactorGroupId; groupId <= kAccelerationId; ++groupId) {
        if (!IsEnabled(settings, groupId))
            continue;
        CatalogGroup& entry = groups.emplace_back();
        entry.groupId = groupId;
        // Reads only: a file the window would upgrade at its next start is read as upgraded.
        if (!loaded(groupId, entry.group))
            BuildBuiltinGroup(entry.group, groupId);
        else
            UpgradeEarlierBuiltinFactors(entry.group, groupId);
        entry.name =
            entry.group.m_name.empty() ? BuiltinGroupName(groupId) : WithoutAmpersands(entry.group.m_name);
    }

    // Every custom group the launcher lists, imported ones included.
    const int customCount = std::clamp(ReadSetting(settings, profile::kNumCust), 0, kMaxCustomGroups);
    for (int k = 1; k <= customCount; ++k) {
        const int groupId = CustomGroupId(k);
        CatalogGroup entry;
        entry.groupId = groupId;
        if (IsEnabled(settings, groupId) && loaded(groupId, entry.group)) {
            entry.name = entry.group.m_name;
            groups.push_back(std::move(entry));
        }
    }
    return groups;
}

std::vector<QueryGroup> QueryGroups(const std::vector<CatalogGroup>& groups)
{
    std::vector<QueryGroup> result;
    for (const CatalogGroup& catalogGroup : groups) {
        QueryGroup& group = result.emplace_back();
        group.groupId = catalogGroup.groupId;
        group.name = catalogGroup.name;
        if (catalogGroup.groupId == kTemperatureId) {
            int row = 0;
            for (const TemperatureScaleName& scale : TemperatureScaleNames())
                group.units.push_back({std::string(scale.name), std::string(scale.symbol), row++, {}});
            continue;
        }
        const CConversion& conversion = catalogGroup.group;
        const std::vector<double> sizes = UnitSizes(conversion);
        std::vector<int> order = ShownUnits(conversion);
        for (int u = 0; u < std::min<int>(conversion.m_unitCount, kMaxUnits); ++u)
            if (std::ranges::find(order, u) == order.end())
                order.push_back(u);
        for (int u : order) {
            const std::string& entry = conversion.m_units[std::size_t(u)];
            // Currencies are also known by their ISO codes, whatever sign the group gives them.
            const std::optional<std::string> code =
                group.groupId == kMoneyId ? CurrencyCode(entry) : std::nullopt;
            group.units.push_back(
                {UnitName(entry), UnitSymbol(entry), u, code.value_or(""), sizes[std::size_t(u)]});
        }
    }
    return result;
}

} // namespace kalvex
