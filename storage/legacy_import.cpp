#include "storage/legacy_import.h"

#include "core/conversion.h"
#include "core/group_ids.h"
#include "core/text_encoding.h"
#include "storage/app_state.h"
#include "storage/builtin_groups.h"
#include "storage/factor_file.h"
#include "storage/group_building.h"
#include "storage/legacy_files.h"
#include "storage/unsaved_files.h"

#include <algorithm>
#include <cstdio>

namespace kalvex {
namespace {

// Imported standard groups without an order list show at most this many units when they have
// the full 30.
constexpr int kShownLimit = 15;

std::string Numbered(const char* format, int number)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, format, number);
    return buffer;
}

// Reads one older version's file, section "Kalvexon"; texts come back as UTF-8.
class LegacyFile {
public:
    LegacyFile(const ILegacyProfile& profile, std::string_view file) : m_profile(profile), m_file(file) {}

    std::string Text(const std::string& key, std::size_t buffer = legacy::kTextBuffer) const
    {
        return Cp1252ToUtf8(m_profile.ReadString(m_file, legacy::kGroupsSection, key, "", buffer));
    }
    int Int(const std::string& key) const
    {
        return m_profile.ReadInt(m_file, legacy::kGroupsSection, key, 0);
    }
    // A unit count, kept within the record's 30 units.
    int Count(const std::string& key) const { return std::clamp(Int(key), 0, kMaxUnits); }

private:
    const ILegacyProfile& m_profile;
    std::string_view m_file;
};

// Units and factor rows of group prefix P: keys P "Unit" n in units, P "Row" j in rows.
void ReadUnitsAndRows(CConversion& group, const std::string& prefix, int count, const LegacyFile& units,
                      const LegacyFile& rows)
{
    for (int n = 1; n <= count; ++n)
        group.m_units[std::size_t(n) - 1] = units.Text(prefix + "Unit" + std::to_string(n));
    for (int j = 1; j < count; ++j)
        SetFactorRow(group, j, rows.Text(prefix + "Row" + std::to_string(j)));
    FillMissingThroughFirstUnit(group, count);
}

} // namespace

void ImportStandardGroup(AppState& app, int groupId, IProgressSink& progress, UnsavedFiles& unsaved)
{
    const LegacyFile groups(*app.services.legacy, legacy::kGroupsFile);
    const LegacyFile factors(*app.services.legacy, app.m_legacyFileNames[1]);
    CConversion group;
    const std::string tag = GroupTag(groupId);

    StartNewGroup(group);
    const std::string builtinName = BuiltinGroupName(groupId);
    group.m_name = builtinName;
    progress.Report(builtinName + " conversions being added.");

    const int count = groups.Count(tag + "Count");
    group.m_unitCount = static_cast<std::uint16_t>(count);
    const std::string order = groups.Text(tag + "UnitMap");
    if (order.empty())
        SetSequentialOrder(group, count >= kMaxUnits ? kShownLimit : count);
    else
        SetUnitOrder(group, order);

    group.m_updateDate = groupId == kMoneyId ? groups.Text("MonyUpdateDate", legacy::kDateBuffer) : "Unknown";
    ReadUnitsAndRows(group, tag, count, groups, factors);

    const int number = StandardGroupNumber(groupId);
    const std::string name = groups.Text(Numbered("Conv%.2dName", number));
    const std::string description = groups.Text(Numbered("Conv%.2dDesc", number));
    group.m_name = name.empty() ? builtinName : name;
    group.m_description = description.empty() ? BuiltinGroupDescription(groupId) : description;

    const std::string file = FactorFileName(app.m_factorPath, groupId);
    unsaved.Note(file, WriteFactorFile(group, file, *app.services.replacer));
}

void ImportCustomGroups(AppState& app, int count, IProgressSink& progress, UnsavedFiles& unsaved)
{
    const LegacyFile units(*app.services.legacy, app.m_legacyFileNames[0]);
    const LegacyFile factors(*app.services.legacy, app.m_legacyFileNames[2]);
    CConversion group;

    StartNewGroup(group);
    group.m_updateDate = "Unknown";
    progress.Report("Custom conversions being added.");

    for (int k = 1; k <= count; ++k) {
        const std::string tag = GroupTag(CustomGroupId(k));
        const int unitCount = units.Count(tag + "Count");
        group.m_unitCount = static_cast<std::uint16_t>(unitCount);
        const std::string order = units.Text(tag + "UnitMap");
        if (order.empty())
            SetSequentialOrder(group, unitCount);
        else
            SetUnitOrder(group, order);

        for (auto& row : group.m_factors)
            row.fill(0.0);
        group.m_factors[0][0] = 1.0;
        ReadUnitsAndRows(group, tag, unitCount, units, factors);

        const std::string name = units.Text(Numbered("Cust%.2dName", k));
        const std::string description = units.Text(Numbered("Cust%.2dDesc", k));
        group.m_name = name.empty() ? Numbered("Custom%.2d", k) : name;
        group.m_description = description.empty() ? "My own group of conversions." : description;

        const std::string file = FactorFileName(app.m_factorPath, CustomGroupId(k));
        unsaved.Note(file, WriteFactorFile(group, file, *app.services.replacer));
    }
}

} // namespace kalvex
