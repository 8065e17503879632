#include "ui/shell/kalvex_view.h"

#include "core/group_ids.h"
#include "storage/settings_profile.h"
#include "ui/shell/command_ids.h"
#include "ui/shell/launcher_accessible.h"
#include "ui/shell/launcher_group_list.h"
#include "ui/shell/launcher_icons.h"
#include "ui/shell/launcher_label.h"
#include "ui/shell/main_frame.h"
#include "ui/shell/row_list_accessible.h"
#include "ui/shell/status_prompts.h"

#include <QAccessible>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>

namespace kalvex {

namespace {

bool InRange(int value, int first, int last)
{
    return value >= first && value <= last;
}

bool OpensContextMenu(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    return (event.key() == Qt::Key_Menu && modifiers == Qt::NoModifier) ||
           (event.key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier);
}

std::optional<LauncherKey> NavigationKey(int key)
{
    switch (key) {
    case Qt::Key_Home:
        return LauncherKey::Home;
    case Qt::Key_End:
        return LauncherKey::End;
    case Qt::Key_Left:
        return LauncherKey::Left;
    case Qt::Key_Right:
        return LauncherKey::Right;
    case Qt::Key_Up:
        return LauncherKey::Up;
    case Qt::Key_Down:
        return LauncherKey::Down;
    default:
        return std::nullopt;
    }
}

} // namespace

CKalvexView::CKalvexView(AppState& app, CurrentGroup& current, CMainFrame& frame, QWidget* parent)
    : QAbstractScrollArea(parent), m_app(app), m_frame(frame),
      m_commands(app, current, *this, [this] { RebuildChangedGroups(); }),
      m_fileCommands(app, *this, [this] { m_commands.CheckInventoryAndRebuild(); })
{
    // Before the name is set: naming tells assistive tools, which would otherwise keep a plain
    // interface for the view.
    InstallLauncherAccessibility();
    setObjectName(QStringLiteral("launcherView"));
    setAccessibleName(tr("Conversion groups"));
    setFocusPolicy(Qt::StrongFocus);
    setFrameShape(QFrame::NoFrame);
}

CKalvexView::~CKalvexView()
{
    SaveSettings();
}

void CKalvexView::SaveSettings()
{
    if (ISettingsStore* settings = m_app.services.settings) {
        WriteSetting(*settings, profile::kNumDigits, m_app.m_tempDigits);
        WriteSetting(*settings, profile::kScientific, m_app.m_tempScientific);
    }
}

bool CKalvexView::OnCommand(int id)
{
    const int lastGroupId = kLastCustomGroupId;
    if (id == command::kNewCustom) {
        m_commands.NewCustom();
    } else if (id == command::kImportGroup) {
        m_fileCommands.ImportGroup();
    } else if (id == command::kExportGroup) {
        m_fileCommands.ExportGroup(SelectedGroupId());
    } else if (id == command::kDeleteGroup) {
        m_fileCommands.DeleteCustom(SelectedGroupId());
    } else if (InRange(id - kDeleteCommandOffset, CustomGroupId(1), lastGroupId)) {
        m_fileCommands.DeleteCustom(id - kDeleteCommandOffset);
    } else if (id == command::kGroups) {
        m_commands.EditGroups();
    } else if (id == command::kUpdateRates) {
        m_commands.UpdateExchangeRates();
    } else if (id == kTemperatureId) {
        m_commands.OpenTemperature();
    } else if (InRange(id, kFirstFactorGroupId, lastGroupId)) {
        m_commands.OpenGroup(id);
    } else if (InRange(id - kUnitsCommandOffset, kFirstFactorGroupId, lastGroupId)) {
        m_commands.EditUnits(id - kUnitsCommandOffset);
    } else if (InRange(id - kFactorsCommandOffset, kFirstFactorGroupId, lastGroupId)) {
        m_commands.EditFactors(id - kFactorsCommandOffset);
    } else if (InRange(id - kDisableCommandOffset, kTemperatureId, lastGroupId)) {
        m_commands.Disable(id - kDisableCommandOffset);
    } else {
        return false;
    }
    return true;
}

std::optional<bool> CKalvexView::CommandState(int id) const
{
    const int lastGroupId = kLastCustomGroupId;
    // Export needs a group with a factor file, Delete one of the user's own groups.
    const int selected = SelectedGroupId();
    if (id == command::kExportGroup)
        return selected != kTemperatureId && (IsStandardGroup(selected) || IsCustomGroup(selected));
    if (id == command::kDeleteGroup)
        return IsCustomGroup(selected);
    const bool handled = id == command::kNewCustom || id == command::kGroups || id == command::kImportGroup ||
                         id == command::kUpdateRates ||
                         InRange(id - kDeleteCommandOffset, CustomGroupId(1), lastGroupId) ||
                         InRange(id, kTemperatureId, lastGroupId) ||
                         InRange(id - kUnitsCommandOffset, kFirstFactorGroupId, lastGroupId) ||
                         InRange(id - kFactorsCommandOffset, kFirstFactorGroupId, lastGroupId) ||
                         InRange(id - kDisableCommandOffset, kTemperatureId, lastGroupId);
    if (!handled)
        return std::nullopt;
    return true;
}

int CKalvexView::HelpHitTest(const QPoint& pos) const
{
    const int entry = EntryAt(viewport()->mapFrom(this, pos));
    return entry < 0 ? 0 : kCommandHelpBase + m_entries[static_cast<std::size_t>(entry)].groupId;
}

QPoint CKalvexView::HelpFocusPoint() const
{
    const int selected = SelectedEntry();
    if (selected < 0 || selected >= EntryCount())
        return {-1, -1};
    return viewport()->mapTo(this, EntryRect(selected).center());
}

void CKalvexView::Rebuild()
{
    m_entries.clear();
    const int iconExtent = style()->pixelMetric(QStyle::PM_LargeIconSize, nullptr, this);
    const QSize iconSize(iconExtent, iconExtent);
    ClearGroupMenus();
    const qreal scale = devicePixelRatioF();
    bool customListed = false;
    for (const LauncherGroup& group : ListEnabledGroups(m_app)) {
        // The user's own groups follow a separator, whichever of them comes first.
        const bool firstCustom = IsCustomGroup(group.groupId) && !customListed;
        customListed = customListed || firstCustom;
        AddGroupMenuItems(firstCustom, group.groupId, group.menuText, group.editingText);
        m_entries.push_back({group.name, RenderGroupIcon(group.groupIndex, iconSize, scale), group.groupId});
    }
    // The grid holds the groups actually listed: the stored counts can claim more (a disabled
    // group before the counts are rewritten, a damaged profile), and a cell without an icon
    // would trap the keyboard and waste memory.
    m_grid = LauncherGrid(iconSize, fontMetrics().height(), m_app.m_viewWidth, EntryCount());
    m_app.m_gridColumns = m_grid.Columns();
    m_app.m_gridRows = m_grid.Rows();
    if (m_app.m_selectedGroup >= EntryCount())
        m_app.m_selectedGroup = -1;
    DrawPicture();
    m_frame.RefreshCommandStates();
    CRowListAccessible::NotifyRowsReplaced(this);
}

void CKalvexView::RebuildChangedGroups()
{
    Rebuild();
    viewport()->update();
    emit groupsChanged();
}

void CKalvexView::ShowGroupsChangedElsewhere()
{
    m_app.services.settings->Refresh();
    m_commands.CheckInventoryAndRebuild();
}

int CKalvexView::SelectedGroupId() const
{
    return EntryGroupId(m_app.m_selectedGroup);
}

QString CKalvexView::EntryName(int j) const
{
    return j >= 0 && j < EntryCount() ? m_entries[static_cast<std::size_t>(j)].name : QString();
}

QString CKalvexView::EntryDescription(int j) const
{
    return j >= 0 && j < EntryCount() ? CommandPrompt(EntryGroupId(j), m_app) : QString();
}

int CKalvexView::EntryGroupId(int j) const
{
    return j >= 0 && j < EntryCount() ? m_entries[static_cast<std::size_t>(j)].groupId : 0;
}

QRect CKalvexView::EntryRect(int j) const
{
    return (m_grid.IconRect(j) | m_grid.LabelBox(j)).translated(-ScrollOffset());
}

void CKalvexView::SelectEntry(int j)
{
    if (j < 0 || j >= EntryCount())
        return;
    m_app.m_selectedGroup = j;
    viewport()->update();
    CRowListAccessible::NotifyCurrentRow(this, j);
}

int CKalvexView::EntryAt(QPoint viewportPoint) const
{
    const int entry = m_grid.HitTest(viewportPoint + ScrollOffset());
    return entry < EntryCount() ? entry : -1;
}

void CKalvexView::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), palette().color(QPalette::Base));
    painter.translate(-ScrollOffset());
    painter.drawPixmap(0, 0, m_picture);
    const int selected = m_app.m_selectedGroup;
    if (selected >= 0 && selected < EntryCount()) {
        painter.setFont(font());
        DrawLabel(painter, palette(), m_grid.LabelBox(selected), EntryName(selected), true);
    }
}

void CKalvexView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    const QSize size = viewport()->size();
    if (size.width() <= 0 || size.height() <= 0)
        return;
    m_app.m_viewWidth = size.width();
    m_app.m_viewHeight = size.height();
    // The size a view gets before it is first shown is laid out by the first update, which
    // follows at once; rebuilding here too would read every factor file one more time.
    if (!m_initialUpdateDone)
        return;
    Rebuild();
    UpdateScrollSizes();
    viewport()->update();
}

void CKalvexView::showEvent(QShowEvent* event)
{
    QAbstractScrollArea::showEvent(event);
    if (!m_initialUpdateDone)
        OnInitialUpdate();
}

void CKalvexView::OnInitialUpdate()
{
    m_initialUpdateDone = true;
    Rebuild();
    UpdateScrollSizes();
    m_frame.CloseSplashWindow();
}

void CKalvexView::keyPressEvent(QKeyEvent* event)
{
    const int selected = m_app.m_selectedGroup;
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (selected >= 0 && selected < EntryCount())
            OnCommand(EntryGroupId(selected));
        return;
    }
    if (OpensContextMenu(*event)) {
        ShowSelectedContextMenu();
        return;
    }
    const std::optional<LauncherKey> key = NavigationKey(event->key());
    if (!key) {
        event->ignore();
        return;
    }
    SelectEntry(m_grid.Navigate(*key, selected));
}

void CKalvexView::mousePressEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    const int entry = EntryAt(point);
    if (event->button() == Qt::LeftButton)
        SelectEntry(entry);
    else if (event->button() == Qt::RightButton && entry >= 0)
        ShowContextMenu(entry, point);
}

void CKalvexView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const int entry = EntryAt(event->position().toPoint());
    if (entry >= 0)
        OnCommand(EntryGroupId(entry));
}

void CKalvexView::contextMenuEvent(QContextMenuEvent* event)
{
    // The mouse's menu opens on the button press.
    if (event->reason() != QContextMenuEvent::Keyboard) {
        event->ignore();
        return;
    }
    // The platform may send this beside the Menu key's press, which opens the menu itself.
    if (!(m_contextMenu && m_contextMenu->isVisible()))
        ShowSelectedContextMenu();
}

void CKalvexView::changeEvent(QEvent* event)
{
    QAbstractScrollArea::changeEvent(event);
    const bool settingsChanged = event->type() == QEvent::FontChange ||
                                 event->type() == QEvent::PaletteChange ||
                                 event->type() == QEvent::StyleChange;
    if (settingsChanged && m_initialUpdateDone) {
        BusyScope busy(*m_app.services.busy);
        Rebuild();
        viewport()->update();
    }
}

void CKalvexView::UpdateScrollSizes()
{
    const QSize total = m_grid.LayoutSize();
    const QSize shown = viewport()->size();
    QScrollBar* horizontal = horizontalScrollBar();
    horizontal->setRange(0, std::max(total.width() - shown.width(), 0));
    horizontal->setPageStep(std::max(total.width() / 2, 1));
    horizontal->setSingleStep(std::max(total.width() / 20, 1));
    QScrollBar* vertical = verticalScrollBar();
    vertical->setRange(0, std::max(total.height() - shown.height(), 0));
    vertical->setPageStep(std::max(total.height() / 2, 1));
    vertical->setSingleStep(std::max(total.height() / 20, 1));
}

void CKalvexView::ClearGroupMenus()
{
    m_frame.ConversionMenu()->clear();
    m_frame.UnitsMenu()->clear();
    m_frame.FactorsMenu()->clear();
}

void CKalvexView::AddGroupMenuItems(bool startsCustomGroups, int groupId, const QString& menuText,
                                    const QString& editingText)
{
    if (startsCustomGroups) {
        m_frame.ConversionMenu()->addSeparator();
        m_frame.UnitsMenu()->addSeparator();
        m_frame.FactorsMenu()->addSeparator();
    }
    m_frame.AddCommandAction(m_frame.ConversionMenu(), menuText, groupId);
    if (groupId == kTemperatureId)
        return;
    m_frame.AddCommandAction(m_frame.UnitsMenu(), editingText, groupId + kUnitsCommandOffset);
    m_frame.AddCommandAction(m_frame.FactorsMenu(), editingText, groupId + kFactorsCommandOffset);
}

void CKalvexView::DrawPicture()
{
    const qreal scale = devicePixelRatioF();
    m_picture = QPixmap(m_grid.LayoutSize() * scale);
    m_picture.setDevicePixelRatio(scale);
    m_picture.fill(palette().color(QPalette::Base));
    QPainter painter(&m_picture);
    painter.setFont(font());
    for (int j = 0; j < EntryCount(); ++j) {
        const Entry& entry = m_entries[static_cast<std::size_t>(j)];
        painter.drawPixmap(m_grid.IconOrigin(j), entry.icon);
        DrawLabel(painter, palette(), m_grid.LabelBox(j), entry.name, false);
    }
}

void CKalvexView::ShowContextMenu(int entry, QPoint viewportPoint)
{
    delete m_contextMenu;
    const int groupId = EntryGroupId(entry);
    auto* menu = new QMenu(&m_frame);
    menu->setObjectName(QStringLiteral("launcherContextMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    m_frame.AddCommandAction(menu, QStringLiteral("Open"), groupId);
    menu->addSeparator();
    m_frame.AddCommandAction(menu, QStringLiteral("Disable"), groupId + kDisableCommandOffset);
    menu->addSeparator();
    QAction* units =
        m_frame.AddCommandAction(menu, QStringLiteral("Units..."), groupId + kUnitsCommandOffset);
    QAction* factors =
        m_frame.AddCommandAction(menu, QStringLiteral("Factors..."), groupId + kFactorsCommandOffset);
    units->setEnabled(groupId != kTemperatureId);
    factors->setEnabled(groupId != kTemperatureId);
    if (IsCustomGroup(groupId)) {
        menu->addSeparator();
        m_frame.AddCommandAction(menu, QStringLiteral("Delete..."), groupId + kDeleteCommandOffset);
    }
    m_contextMenu = menu;
    menu->popup(viewport()->mapToGlobal(viewportPoint));
}

void CKalvexView::ShowSelectedContextMenu()
{
    const int selected = SelectedEntry();
    if (selected >= 0 && selected < EntryCount())
        ShowContextMenu(selected, m_grid.IconRect(selected).center() - ScrollOffset());
}

QPoint CKalvexView::ScrollOffset() const
{
    return {horizontalScrollBar()->value(), verticalScrollBar()->value()};
}

} // namespace kalvex
