#pragma once

#include "storage/app_state.h"
#include "ui/shell/command_target.h"
#include "ui/shell/context_help_source.h"
#include "ui/shell/group_file_commands.h"
#include "ui/shell/launcher_commands.h"
#include "ui/shell/launcher_grid.h"

#include <QAbstractScrollArea>
#include <QPixmap>
#include <QPointer>
#include <vector>

class QMenu;

namespace kalvex {

class CMainFrame;
class CurrentGroup;

// The group launcher: the enabled groups as icons with their names in a scrolling grid, the
// group lists of the Conversion, Units and Factors menus, and every group command.
class CKalvexView : public QAbstractScrollArea, public ICommandTarget, public IContextHelpSource {
    Q_OBJECT
public:
    CKalvexView(AppState& app, CurrentGroup& current, CMainFrame& frame, QWidget* parent = nullptr);
    // Saves the temperature digits and notation.
    ~CKalvexView() override;
    void SaveSettings();

    bool OnCommand(int commandId) override;
    std::optional<bool> CommandState(int commandId) const override;
    int HelpHitTest(const QPoint& pos) const override;
    QPoint HelpFocusPoint() const override;

    // Lays out the grid, redraws the cached picture and refills the three group menus.
    void Rebuild();
    // Groups were added by another process: the counts are read again and the grid rebuilt at
    // once, an open window keeping its own group.
    void ShowGroupsChangedElsewhere();
    // After a command that may have added, changed or removed groups: rebuilds, repaints and
    // tells whoever holds the groups in memory.
    void RebuildChangedGroups();

    // What the grid shows, for the accessibility layer and for tests.
    const LauncherGrid& Grid() const { return m_grid; }
    GroupFileCommands& FileCommands() { return m_fileCommands; }
    int EntryCount() const { return static_cast<int>(m_entries.size()); }
    QString EntryName(int j) const;
    // The group's prompt, as the status bar shows it for the group's command.
    QString EntryDescription(int j) const;
    int EntryGroupId(int j) const;
    // Icon and label of entry j in viewport pixels.
    QRect EntryRect(int j) const;
    int SelectedEntry() const { return m_app.m_selectedGroup; }
    void SelectEntry(int j);
    // The entry under a viewport point, -1 for none.
    int EntryAt(QPoint viewportPoint) const;
    // The right-click menu while it is open.
    QMenu* ContextMenu() const { return m_contextMenu; }

signals:
    void groupsChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct Entry {
        QString name;
        QPixmap icon;
        int groupId = 0;
    };

    void OnInitialUpdate();
    void UpdateScrollSizes();
    void ClearGroupMenus();
    void AddGroupMenuItems(bool startsCustomGroups, int groupId, const QString& menuText,
                           const QString& editingText);
    // The group id of the selected icon, 0 for none.
    int SelectedGroupId() const;
    void DrawPicture();
    void ShowContextMenu(int entry, QPoint viewportPoint);
    // The right-click menu of the selected icon, opened from the keyboard at that icon.
    void ShowSelectedContextMenu();
    QPoint ScrollOffset() const;

    AppState& m_app;
    CMainFrame& m_frame;
    LauncherCommands m_commands;
    GroupFileCommands m_fileCommands;
    LauncherGrid m_grid;
    std::vector<Entry> m_entries;
    QPixmap m_picture;
    QPointer<QMenu> m_contextMenu;
    bool m_initialUpdateDone = false;
};

} // namespace kalvex
