#include "storage/builtin_groups.h"

#include "core/conversion.h"
#include "core/group_ids.h"
#include "storage/app_state.h"
#include "storage/factor_file.h"
#include "storage/group_building.h"
#include "storage/settings_profile.h"
#include "storage/unsaved_files.h"

#include <algorithm>
#include <charconv>

namespace kalvex {
namespace {

constexpr int kTagOffset = 4088;
constexpr int kNameOffset = 4040;
constexpr int kOrderOffset = 10000;
constexpr int kMoneyDateEntry = 11000;
constexpr std::size_t kMaxFactorLines = 29;
// Groups of 15 units or more list their first 15 when no default order is given.
constexpr int kDefaultShownLimit = 15;

int UnitBlock(int groupId)
{
    return 64 * (groupId - kFirstFactorGroupId) + 160;
}

int ParseCount(const std::string& text)
{
    int count = 0;
    std::from_chars(text.data(), text.data() + text.size(), count);
    return std::clamp(count, 0, kMaxUnits);
}

// The lines of a factor text: each ends at a carriage return (the line feed after it is
// skipped); the text ends at the first backslash.
std::vector<std::string_view> FactorLines(std::string_view text)
{
    text = text.substr(0, text.find('\\'));
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size() && lines.size() < kMaxFactorLines) {
        std::size_t end = text.find('\r', start);
        if (end == std::string_view::npos)
            end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

void BuildGroupFromTable(CConversion& group, int groupId, std::string_view factorTable)
{
    StartNewGroup(group);
    group.m_name = BuiltinGroupName(groupId);

    const int block = UnitBlock(groupId);
    const int count = ParseCount(LoadString(block));
    group.m_unitCount = static_cast<std::uint16_t>(count);

    const std::string order = LoadString(groupId + kOrderOffset);
    if (order.empty())
        SetSequentialOrder(group, std::min(count, kDefaultShownLimit));
    else
        SetUnitOrder(group, order);

    group.m_updateDate = groupId == kMoneyId ? LoadString(kMoneyDateEntry) : "Unknown";

    for (int u = 0; u < count; ++u)
        group.m_units[std::size_t(u)] = LoadString(block + u + 1);

    const auto lines = FactorLines(factorTable);
    for (int j = 1; j < count; ++j)
        SetFactorRow(group, j,
                     std::size_t(j) <= lines.size() ? lines[std::size_t(j) - 1] : std::string_view{});

    group.m_description = BuiltinGroupDescription(groupId);
    FillMissingThroughFirstUnit(group, count);
}

} // namespace

std::string BuiltinGroupTag(int groupId)
{
    return LoadString(groupId - kTagOffset);
}
std::string BuiltinGroupName(int groupId)
{
    return LoadString(groupId - kNameOffset);
}
std::string BuiltinGroupDescription(int groupId)
{
    return LoadString(groupId);
}

void BuildBuiltinGroup(CConversion& group, int groupId)
{
    BuildGroupFromTable(group, groupId, FactorTableText(BuiltinGroupTag(groupId) + "Rows"));
}

bool BuiltinFactorsChanged(int groupId)
{
    const std::string table = BuiltinGroupTag(groupId) + "Rows";
    return EarlierFactorTableText(table) != FactorTableText(table);
}

void BuildEarlierBuiltinGroup(CConversion& group, int groupId)
{
    BuildGroupFromTable(group, groupId, EarlierFactorTableText(BuiltinGroupTag(groupId) + "Rows"));
}

void CreateBuiltinGroup(AppState& app, int groupId, bool force, IProgressSink& progress,
                        UnsavedFiles& unsaved)
{
    CConversion group;
    BuildBuiltinGroup(group, groupId);
    progress.Report(group.m_name + " conversions being added.");
    // A crash that damages the file only makes the next start build it again: the flush to the
    // disk, which would slow the first start, is not needed.
    const std::string file = FactorFileName(app.m_factorPath, groupId);
    unsaved.Note(file, WriteFactorFile(group, file, *app.services.replacer, Flush::Lazily));

    ISettingsStore& settings = *app.services.settings;
    const IntSetting flag = profile::GroupEnabledOrMissingSetting(groupId);
    if (ReadSetting(settings, flag) > 1 || force)
        WriteSetting(settings, flag, 1);
}

} // namespace kalvex
