#include "ui/shell/launcher_pane.h"

#include "core/group_ids.h"
#include "ui/shell/command_ids.h"
#include "ui/shell/find_unit_bar.h"
#include "ui/shell/group_file_commands.h"
#include "ui/shell/kalvex_view.h"

#include <QVBoxLayout>

namespace kalvex {

CLauncherPane::CLauncherPane(AppState& app, CurrentGroup& current, CMainFrame& frame, QWidget* parent)
    : QWidget(parent), m_findBar(new CFindUnitBar(app, this)),
      m_view(new CKalvexView(app, current, frame, this)),
      m_commands(app, current, *this, [this] { m_view->RebuildChangedGroups(); })
{
    setObjectName(QStringLiteral("launcherPane"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_findBar);
    layout->addWidget(m_view, 1);
    setFocusProxy(m_view);
    connect(m_findBar, &CFindUnitBar::unitChosen, this, &CLauncherPane::OpenFoundUnit);
    connect(m_findBar, &CFindUnitBar::libraryUnitChosen, this, &CLauncherPane::OpenLibraryUnit);
    connect(m_view, &CKalvexView::groupsChanged, m_findBar, &CFindUnitBar::ReloadGroups);
    connect(m_findBar, &CFindUnitBar::closed, m_view, [this] { m_view->setFocus(); });
}

bool CLauncherPane::OnCommand(int commandId)
{
    if (commandId != command::kFindUnit)
        return m_view->OnCommand(commandId);
    m_findBar->Open();
    return true;
}

std::optional<bool> CLauncherPane::CommandState(int commandId) const
{
    if (commandId == command::kFindUnit)
        return true;
    return m_view->CommandState(commandId);
}

void CLauncherPane::OpenLibraryUnit(const QString& file, const QString& groupName, int unit,
                                    const QString& value)
{
    if (const int groupId =
            m_view->FileCommands().AddLibraryGroup(file.toStdString(), groupName.toStdString()))
        OpenFoundUnit(groupId, unit, value);
}

void CLauncherPane::OpenFoundUnit(int groupId, int unit, const QString& value)
{
    const InitialEntry entry{unit, value};
    if (groupId == kTemperatureId)
        m_commands.OpenTemperature(entry);
    else
        m_commands.OpenGroup(groupId, entry);
}

} // namespace kalvex
