#include "ui/shell/launcher_commands.h"

#include "core/conversion.h"
#include "core/group_ids.h"
#include "core/temperature.h"
#include "platform/qt/dialog_runner.h"
#include "platform/settings_store.h"
#include "storage/app_state.h"
#include "storage/current_group.h"
#include "storage/custom_group_set.h"
#include "storage/factor_file.h"
#include "storage/group_counts.h"
#include "storage/inventory_check.h"
#include "storage/rates_update.h"
#include "storage/settings_profile.h"
#include "storage/unsaved_files.h"
#include "ui/conversion/all_units_dlg.h"
#include "ui/conversion/conversion_dlg.h"
#include "ui/conversion/exchange_rates_update.h"
#include "ui/conversion/temperature_dlg.h"
#include "ui/editing/group_def_dlg.h"
#include "ui/editing/groups_dlg.h"
#include "ui/editing/unit_order_dlg.h"
#include "ui/shell/factor_editor.h"
#include "ui/shell/launcher_texts.h"

#include <QString>
#include <algorithm>
#include <filesystem>
#include <numeric>

namespace kalvex {

namespace {
const char* const kCustomFileExistsText =
    "A new custom group cannot be created: the file %1 already exists. It holds a group the "
    "settings do not list, and it is kept as it is.";
const char* const kCustomNotCountedText =
    "The settings could not be saved, so the new group \"%1\" will not be listed. Its file %2 "
    "is kept; check that the settings file can be written.";
const char* const kCustomNumberChangedText =
    "The custom groups changed while the editor was open, so the new group \"%1\" has been "
    "saved as %2.";

// A damaged or older file can list units the group does not have: such a row would show a blank
// unit reading 0, and could be the initial unit. The rows listing real units stay, in order.
void KeepListedUnitsThatExist(CConversion& group)
{
    auto& order = group.m_unitOrder;
    const auto listed = order.begin() + std::min<std::ptrdiff_t>(group.m_shownCount, std::ssize(order));
    const auto kept = std::remove_if(
        order.begin(), listed, [&](std::uint16_t unit) { return unit < 1 || unit > group.m_unitCount; });
    std::fill(kept, order.end(), std::uint16_t{0});
    group.m_shownCount = std::uint16_t(kept - order.begin());
}

} // namespace

void ShowCustomGroupLimit(IMessageService& messages)
{
    messages.Beep(MessageIcon::Information);
    messages.Show({CustomGroupLimitText(), "Error", MessageButtons::Ok, MessageIcon::Information});
}

LauncherCommands::LauncherCommands(AppState& app, CurrentGroup& current, QWidget& owner,
                                   std::function<void()> rebuild)
    : m_app(app), m_current(current), m_owner(owner), m_rebuild(std::move(rebuild))
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
    CConversion& group = m_current.Record();
    if (!group.m_showAll)
        KeepListedUnitsThatExist(group);
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
        CAllUnitsDlg dialog(m_app, m_current, groupId, GroupFactorEditor(m_app, m_current), &m_owner);
        enter(dialog, entry ? entry->unit : 0);
        m_app.services.dialogs->Run(dialog);
        if (!showsAll)
            KeepUnitOrder(groupId, storedOrder);
    } else {
        CConversionDlg dialog(m_app, m_current, groupId, GroupFactorEditor(m_app, m_current), &m_owner);
        enter(dialog, int(shownRow - group.m_unitOrder.begin()));
        m_app.services.dialogs->Run(dialog);
    }
}

void LauncherCommands::KeepUnitOrder(int groupId, const std::array<std::uint16_t, kMaxUnits>& storedOrder)
{
    const std::string file = FactorFileName(m_app.m_factorPath, groupId);
    CConversion saved;
    if (LoadFactorFile(file, saved) && saved.m_unitOrder != storedOrder) {
        saved.m_unitOrder = storedOrder;
        SaveFactorFile(saved, file, *m_app.services.replacer);
    }
}

void LauncherCommands::EditUnits(int groupId)
{
    if (!LoadGroup(groupId))
        return;
    CUnitOrderDlg dialog(m_app, m_current, groupId, m_current.Record().m_unitCount, &m_owner);
    const int unitCount = m_app.services.dialogs->Run(dialog);
    if (unitCount != 0)
        CommitEdited(groupId, unitCount);
}

void LauncherCommands::EditFactors(int groupId)
{
    if (!LoadGroup(groupId))
        return;
    CGroupDefDlg dialog(m_app, m_current, groupId, m_current.Record().m_unitCount, &m_owner);
    const int unitCount = m_app.services.dialogs->Run(dialog);
    if (unitCount != 0)
        CommitEdited(groupId, unitCount);
}

void LauncherCommands::NewCustom()
{
    if (m_app.m_numCust >= kMaxCustomGroups) {
        ShowCustomGroupLimit(*m_app.services.messages);
        return;
    }
    const int offered = m_app.m_numCust + 1;
    CGroupDefDlg dialog(m_app, m_current, CustomGroupId(offered), 0, &m_owner);
    const int unitCount = m_app.services.dialogs->Run(dialog);
    if (unitCount == 0)
        return;
    int number = 0;
    {
        // Another window or `kalvex --import` may have changed the groups while the editor was
        // open: the number is taken afresh, under the lock, where the group is saved.
        const CustomGroupsOwnership owner(m_app);
        number = ReconcileCustomGroups(m_app) + 1;
        if (number > kMaxCustomGroups) {
            ShowCustomGroupLimit(*m_app.services.messages);
            CheckInventoryAndRebuild();
            return;
        }
        if (!CommitNewCustom(number, unitCount))
            return;
    }
    CheckInventoryAndRebuild();
    if (number != offered)
        Warn(QString::fromLatin1(kCustomNumberChangedText)
                 .arg(QString::fromStdString(m_current.Record().m_name),
                      QString::fromStdString(GroupTag(CustomGroupId(number))))
                 .toStdString());
}

bool LauncherCommands::CommitNewCustom(int number, int unitCount)
{
    const int groupId = CustomGroupId(number);
    const std::string file = FactorFileName(m_app.m_factorPath, groupId);
    std::error_code error;
    // A file the reconciliation could not take in (damaged, kept in place) is never written over.
    if (std::filesystem::symlink_status(file, error).type() != std::filesystem::file_type::not_found) {
        Warn(QString::fromLatin1(kCustomFileExistsText).arg(QString::fromStdString(file)).toStdString());
        return false;
    }
    CConversion& group = m_current.Record();
    ISettingsStore& settings = *m_app.services.settings;
    // The file first, then the settings in one replacement: stopped between the two, the file is
    // past the count and the next reconciliation takes it in as an enabled group.
    settings.BeginBatch();
    const SaveStatus saved = m_current.Commit(groupId, unitCount);
    if (saved == SaveStatus::Saved) {
        WriteSetting(settings, profile::kNumCust, number);
        RecountEnabledGroups(settings, number);
    }
    const bool counted = settings.EndBatch();
    if (saved != SaveStatus::Saved) {
        ReportUnsaved(*m_app.services.messages, file, saved);
        return false;
    }
    if (!counted)
        Warn(QString::fromLatin1(kCustomNotCountedText)
                 .arg(QString::fromStdString(group.m_name), QString::fromStdString(file))
                 .toStdString());
    return true;
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
    RecountEnabledGroups(*m_app.services.settings, m_app.m_numCust);
    CheckInventoryAndRebuild();
}

void LauncherCommands::UpdateExchangeRates()
{
    if (LoadGroup(kMoneyId))
        kalvex::UpdateExchangeRates(m_app, m_current.Record(), &m_owner);
}

bool LauncherCommands::LoadGroup(int groupId)
{
    if (m_current.Load(groupId))
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
    CConversion& group = m_current.Record();
    // The editor has derived and reported these factors on its OK already; one report is enough.
    DeriveFactors(unitCount, group.m_factors);
    ReportUnsaved(*m_app.services.messages, FactorFileName(m_app.m_factorPath, groupId),
                  m_current.Commit(groupId, unitCount));
    m_rebuild();
}

void LauncherCommands::CheckInventoryAndRebuild()
{
    BusyScope busy(*m_app.services.busy);
    NullProgressSink progress;
    CheckGroupInventory(m_app, progress);
    m_rebuild();
}

} // namespace kalvex
