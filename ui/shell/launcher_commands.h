#pragma once

#include <functional>
#include <string>

class QWidget;

namespace kalvex {

struct AppState;

// The launcher's group commands: each loads its own group into the current group, opens the
// matching window and, when groups changed, saves them and has the launcher rebuilt.
class LauncherCommands {
public:
    LauncherCommands(AppState& app, QWidget& owner, std::function<void()> rebuild);

    void OpenTemperature();
    void OpenGroup(int groupId);
    void EditUnits(int groupId);
    void EditFactors(int groupId);
    void NewCustom();
    void EditGroups();
    void Disable(int groupId);

    // After groups were added, removed, enabled or disabled: the counts and the grid follow.
    void CheckInventoryAndRebuild();

private:
    // Loads a group into the current group; a missing file is reported.
    bool LoadGroup(int groupId);
    void Warn(const std::string& text);
    // Completes and saves the current group after an editing dialog returned its unit count.
    void CommitEdited(int groupId, int unitCount);

    AppState& m_app;
    QWidget& m_owner;
    std::function<void()> m_rebuild;
};

} // namespace kalvex
