#include "ui/shell/launcher_group_list.h"

#include "core/conversion.h"
#include "core/group_ids.h"
#include "platform/qt/visible_text.h"
#include "storage/app_state.h"
#include "storage/builtin_groups.h"
#include "storage/factor_file.h"
#include "storage/settings_profile.h"
#include "ui/shell/launcher_texts.h"

#include <algorithm>
#include <optional>

namespace kalvex {

namespace {

constexpr int kMaxEntryName = 31;
const QLatin1String kEllipsis("...");

QString WithoutAmpersands(QString text)
{
    return text.remove(QLatin1Char('&'));
}

// A name from a file as a menu item shows it: every "&" doubled, so none is taken for a mnemonic.
QString MenuTextOf(QString name)
{
    return name.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

// A name as an entry and the menus hold it: its bidirectional controls shown as what they are,
// and cut with an ellipsis when it is longer than an entry holds.
QString EntryName(const std::string& stored)
{
    QString name = WithVisibleBidiControls(stored);
    if (name.size() <= kMaxEntryName)
        return name;
    qsizetype kept = kMaxEntryName - kEllipsis.size();
    if (name[kept - 1].isHighSurrogate())
        --kept;
    return name.left(kept) + kEllipsis;
}

// Loads a group into the listing's record; its name, or nothing when the file cannot be read.
std::optional<QString> LoadName(const AppState& app, CConversion& record, int groupId)
{
    if (!LoadFactorFile(FactorFileName(app.m_factorPath, groupId), record))
        return std::nullopt;
    return EntryName(record.m_name);
}

LauncherGroup ListTemperature(CConversion& record)
{
    LauncherGroup group;
    group.menuText = GroupMenuLabel(0);
    group.name = WithoutAmpersands(group.menuText);
    record.m_name = group.name.toStdString();
    record.m_description = BuiltinGroupDescription(kTemperatureId);
    return group;
}

LauncherGroup ListStandardGroup(const AppState& app, CConversion& record, int groupIndex)
{
    const int groupId = kTemperatureId + groupIndex;
    LauncherGroup group;
    group.menuText = GroupMenuLabel(groupIndex);
    const std::optional<QString> loaded = LoadName(app, record, groupId);
    group.name = loaded.value_or(QString::fromLatin1(kNotFoundName));
    if (!group.name.isEmpty())
        group.menuText = MenuTextOf(group.name);
    group.editingText = group.menuText;
    if (!loaded)
        record.m_description = BuiltinGroupDescription(groupId);
    return group;
}

// Custom group k reads "k-1 name". Only ten digits can be keys: groups 11 to 20 get none, as a
// second "1" would make pressing 1 move between items instead of choosing one.
QString CustomGroupMenuText(int customNumber, const QString& menuName)
{
    const int shownNumber = customNumber - 1;
    const QString key = shownNumber <= 9 ? QStringLiteral("&") : QString();
    return key + QString::number(shownNumber) + QLatin1Char(' ') + menuName;
}

LauncherGroup ListCustomGroup(const AppState& app, CConversion& record, int groupIndex)
{
    const int customNumber = groupIndex - kCustomGroupIndex + 1;
    LauncherGroup group;
    group.name =
        LoadName(app, record, CustomGroupId(customNumber)).value_or(QString::fromLatin1(kNotFoundName));
    group.menuText = CustomGroupMenuText(customNumber, MenuTextOf(group.name));
    group.editingText = group.menuText;
    return group;
}

bool IsEnabled(const AppState& app, int groupId)
{
    return ReadSetting(*app.services.settings, profile::GroupEnabledSetting(groupId)) != 0;
}

} // namespace

std::vector<LauncherGroup> ListEnabledGroups(AppState& app)
{
    std::vector<LauncherGroup> groups;
    // One record for the whole listing: the group the windows work on is never read into.
    CConversion record;
    const int wanted = std::max(app.m_enabledCount, 0);
    const int lastIndex = kCustomGroupIndex - 1 + std::clamp(app.m_numCust, 0, kMaxCustomGroups);
    for (int i = 0; i <= lastIndex && static_cast<int>(groups.size()) < wanted; ++i) {
        const int groupId = kTemperatureId + i;
        if (!IsEnabled(app, groupId))
            continue;
        LauncherGroup group = i == 0                  ? ListTemperature(record)
                              : i < kCustomGroupIndex ? ListStandardGroup(app, record, i)
                                                      : ListCustomGroup(app, record, i);
        group.groupIndex = i;
        group.groupId = groupId;
        const auto slot = static_cast<std::size_t>(i);
        app.m_groupNames[slot] = group.name.toLower().toStdString();
        app.m_groupPrompts[slot] = record.m_description;
        groups.push_back(std::move(group));
    }
    return groups;
}

} // namespace kalvex
