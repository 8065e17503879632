#include "ui/shell/launcher_commands.h"

#include "core/group_ids.h"
#include "core/temperature.h"
#include "platform/qt/dialog_runner.h"
#include "storage/app_state.h"
#include "storage/inventory_check.h"
#include "storage/settings_profile.h"
#include "ui/conversion/all_units_dlg.h"
#include "ui/conversion/conversion_dlg.h"
#include "ui/conversion/temperature_dlg.h"
#include "ui/editing/derive_report.h"
#include "ui/editing/group_def_dlg.h"
#include "ui/editing/groups_dlg.h"
#include "ui/editing/unit_order_dlg.h"
#include "ui/shell/launcher_texts.h"

#include <algorithm>
#include <numeric>

namespace kalvex {

namespace {
constexpr int kMaxCustomGroups = 1;
constexpr int kFirstCustomGroupId = kAccelerationId + 1;
} // namespace

LauncherCommands::LauncherCommands(AppState& app, QWidget& owner, std::function<void()> rebuild)
    : m_app(app), m_owner(owner), m_rebuild(std::move(rebuild))
{
}

void LauncherCommands::OpenTemperature(const std::optional<InitialEntry>& entry)
{
    CTemperatureDlg dialog(m_app, &m_owner);
    if (entry) {
        dialog.OnScaleChosen(kFahrenheit + entry->unit);
        dialog.EnterValue(entry->value);
    }
    m_app.services.dialogs->Run(dialog);
}

void LauncherCommands::OpenGroup(int groupId, const std::optional<InitialEntry>& entry)
{
    if (!LoadGroup(groupId))
        return;
    CConversion& group = m_app.m_current;
    if (group.m_unitCount < 2 || group.m_shownCount < 2) {
        Warn(kTooFewUnitsText);
        return;
    }
    const auto shownEnd = group.m_unitOrder.begin() + std::min<int>(group.m_shownCount, kMaxUnits);
    const auto shownRow = entry ? std::find(group.m_unitOrder.begin(), shownEnd, entry->unit + 1) : shownEnd;
    const bool unitLeftOut = entry && shownRow == shownEnd;
    auto enter = [&entry](CGroupConversionDlg& dialog, int row) {
        if (!entry)
            return;
        dialog.OnInitialUnitChosen(row);
        dialog.EnterValue(entry->value);
    };
    if (group.m_showAll || unitLeftOut) {
        const bool showsAll = group.m_showAll != 0;
        const auto storedOrder = group.m_unitOrder;
        std::iota(group.m_unitOrder.begin(), group.m_unitOrder.end(), std::uint16_t{1});
        CAllUnitsDlg dialog(m_app, groupId, &m_owner);
        enter(dialog, entry ? entry->unit : 0);
        m_app.services.dialogs->Run(dialog);
        if (!showsAll)
            KeepUnitOrder(groupId, storedOrder);
    } else {
        CConversionDlg dialog(m_app, groupId, &m_owner);
        enter(dialog, int(shownRow - group.m_unitOrder.begin()));
        m_app.services.dialogs->Run(dialog);
    }
}

void LauncherCommands::KeepUnitOrder(int groupId, const std::array<std::uint16_t, kMaxUnits>& storedOrder)
{
    const std::string file = FactorFileName(m_app.m_factorPath, groupId);
    CConversion saved;
    if (saved.Load(file) && saved.m_unitOrder != storedOrder) {
        saved.m_unitOrder = storedOrder;
        saved.Save(file);
    }
}

void LauncherCommands::EditUnits(int groupId)
{
    if (!LoadGroup(groupId))
        return;
    CUnitOrderDlg dialog(m_app, groupId, m_app.m_current.m_unitCount, &m_owner);
    const int unitCount = m_app.services.dialogs->Run(dialog);
    if (unitCount != 0)
        CommitEdited(groupId, unitCount);
}

void LauncherCommands::EditFactors(int groupId)
{
    if (!LoadGroup(groupId))
        return;
    CGroupDefDlg dialog(m_app, groupId, m_app.m_current.m_unitCount, &m_owner);
    const int unitCount = m_app.services.dialogs->Run(dialog);
    if (unitCount != 0)
        CommitEdited(groupId, unitCount);
}

void LauncherCommands::NewCustom()
{
    IMessageService& messages = *m_app.services.messages;
    if (m_app.m_numCust >= kMaxCustomGroups) {
        messages.Beep(MessageIcon::Information);
        messages.Show({QString::fromLatin1(kCustomLimitText).arg(kMaxCustomGroups).toStdString(), "Error",
                       MessageButtons::Ok, MessageIcon::Information});
        return;
    }
    const int groupId = kFirstCustomGroupId + m_app.m_numCust;
    CGroupDefDlg dialog(m_app, groupId, 0, &m_owner);
    const int unitCount = m_app.services.dialogs->Run(dialog);
    if (unitCount == 0)
        return;
    ++m_app.m_numCust;
    ++m_app.m_numActCust;
    m_app.m_current.Commit(groupId, unitCount, m_app.m_factorPath, *m_app.services.settings,
                           *m_app.services.clock);
    WriteSetting(*m_app.services.settings, profile::kNumCust, m_app.m_numCust);
    WriteSetting(*m_app.services.settings, profile::kNumActCust, m_app.m_numActCust);
    CheckInventoryAndRebuild();
}

void LauncherCommands::EditGroups()
{
    CGroupsDlg dialog(m_app, &m_owner);
    if (m_app.services.dialogs->Run(dialog) != 0)
        CheckInventoryAndRebuild();
}

void LauncherCommands::Disable(int groupId)
{
    WriteSetting(*m_app.services.settings, profile::GroupEnabledSetting(groupId), 0);
    // The counts follow the flags at once, so the grid never holds an empty cell.
    RecountEnabledGroups();
    CheckInventoryAndRebuild();
}

bool LauncherCommands::LoadGroup(int groupId)
{
    if (m_app.m_current.Load(FactorFileName(m_app.m_factorPath, groupId)))
        return true;
    Warn(kMissingGroupFileText);
    return false;
}

void LauncherCommands::Warn(const std::string& text)
{
    m_app.services.messages->Beep(MessageIcon::Warning);
    m_app.services.messages->Show({text, "", MessageButtons::Ok, MessageIcon::Warning});
}

void LauncherCommands::CommitEdited(int groupId, int unitCount)
{
    BusyScope busy(*m_app.services.busy);
    CConversion& group = m_app.m_current;
    DeriveFactorsReporting(unitCount, group.m_factors, group.m_units, m_app.services);
    group.Commit(groupId, unitCount, m_app.m_factorPath, *m_app.services.settings, *m_app.services.clock);
    m_rebuild();
}

void LauncherCommands::CheckInventoryAndRebuild()
{
    BusyScope busy(*m_app.services.busy);
    NullProgressSink progress;
    CheckGroupInventory(m_app, progress);
    m_rebuild();
}

void LauncherCommands::RecountEnabledGroups()
{
    ISettingsStore& settings = *m_app.services.settings;
    const auto enabled = [&](int groupId) {
        return ReadSetting(settings, profile::GroupEnabledSetting(groupId)) != 0 ? 1 : 0;
    };
    int standard = 0;
    for (int id = kTemperatureId; id <= kAccelerationId; ++id)
        standard += enabled(id);
    int custom = 0;
    for (int k = 1; k <= std::min(m_app.m_numCust, kMaxCustomGroups); ++k)
        custom += enabled(CustomGroupId(k));
    WriteSetting(settings, profile::kNumStd, standard);
    WriteSetting(settings, profile::kNumActCust, custom);
}

} // namespace kalvex
