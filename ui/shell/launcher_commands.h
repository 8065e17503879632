#pragma once

#include "core/factors.h"

#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

class QWidget;

namespace kalvex {

struct AppState;
class CurrentGroup;
class IMessageService;

// The refusal of a new custom group, by New Custom or Import, when every custom group number is
// taken.
void ShowCustomGroupLimit(IMessageService& messages);

// A unit and a value to enter into a conversion window as it opens, as if the user chose and
// typed them there.
struct InitialEntry {
    int unit = 0; // the group's 0-based unit number, or the temperature scale's row
    QString value;
};

// The launcher's group commands: each loads its own group into the current group, opens the
// matching window and, when groups changed, saves them and has the launcher rebuilt.
class LauncherCommands {
public:
    LauncherCommands(AppState& app, CurrentGroup& current, QWidget& owner, std::function<void()> rebuild);

    void OpenTemperature(const std::optional<InitialEntry>& entry = std::nullopt);
    void OpenGroup(int groupId, const std::optional<InitialEntry>& entry = std::nullopt);
    void EditUnits(int groupId);
    void EditFactors(int groupId);
    void NewCustom();
    void EditGroups();
    void Disable(int groupId);
    // Loads the Money group and updates it from the reference rates.
    void UpdateExchangeRates();

    // After groups were added, removed, enabled or disabled: the counts and the grid follow.
    void CheckInventoryAndRebuild();

private:
    // A unit the chosen-units layout leaves out is opened among all units; a save from there must
    // not replace the group's unit order with the all-units one.
    void KeepUnitOrder(int groupId, const std::array<std::uint16_t, kMaxUnits>& storedOrder);
    // Loads a group into the current group; a missing file is reported.
    bool LoadGroup(int groupId);
    void Warn(const std::string& text);
    // Saves the current group as custom group number and counts it; false when nothing was saved.
    bool CommitNewCustom(int number, int unitCount);
    // Completes and saves the current group after an editing dialog returned its unit count.
    void CommitEdited(int groupId, int unitCount);

    AppState& m_app;
    CurrentGroup& m_current;
    QWidget& m_owner;
    std::function<void()> m_rebuild;
};

} // namespace kalvex
