#pragma once

#include "ui/shell/command_target.h"
#include "ui/shell/launcher_commands.h"

#include <QWidget>

namespace kalvex {

struct AppState;
class CFindUnitBar;
class CKalvexView;
class CMainFrame;
class CurrentGroup;

// The main window's client: the find field above the group launcher. Find Unit opens the field;
// every other command goes to the launcher.
class CLauncherPane final : public QWidget, public ICommandTarget {
    Q_OBJECT
public:
    CLauncherPane(AppState& app, CurrentGroup& current, CMainFrame& frame, QWidget* parent = nullptr);

    CKalvexView& View() const { return *m_view; }
    CFindUnitBar& FindBar() const { return *m_findBar; }

    bool OnCommand(int commandId) override;
    std::optional<bool> CommandState(int commandId) const override;

private:
    void OpenFoundUnit(int groupId, int unit, const QString& value);
    void OpenLibraryUnit(const QString& file, const QString& groupName, int unit, const QString& value);

    CFindUnitBar* m_findBar = nullptr;
    CKalvexView* m_view = nullptr;
    LauncherCommands m_commands;
};

} // namespace kalvex
