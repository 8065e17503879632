#include "ui/shell/main_frame.h"

#include "core/group_ids.h"
#include "platform/qt/application_title.h"
#include "storage/app_state.h"
#include "storage/settings_profile.h"
#include "ui/shell/accelerator_filter.h"
#include "ui/shell/command_ids.h"
#include "ui/shell/context_help_mode.h"
#include "ui/shell/frame_placement.h"
#include "ui/shell/launcher_texts.h"
#include "ui/shell/status_prompts.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>

namespace kalvex {
namespace {

constexpr int kMinimizedStatus = 2;
constexpr int kMaximizedStatus = 3;
constexpr int kNormalStatus = 1;
// The platform tells no change of a lock key to a window that does not have the focus; asking
// a few times a second keeps the panes right without it.
constexpr int kLockKeyPollMs = 250;
const char* const kTrackedProperty = "kalvexTracked";

// A lock key indicator of the status bar, sized for its text.
QLabel* IndicatorPane(const QString& name, const QString& widestText)
{
    auto* pane = new QLabel;
    pane->setObjectName(name);
    pane->setAlignment(Qt::AlignCenter);
    pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(widestText) + 8);
    return pane;
}

} // namespace

CMainFrame::CMainFrame(AppState& app, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      m_app(app)
{
    setObjectName(QStringLiteral("mainFrame"));
    setWindowTitle(ApplicationTitle());
    resize(560, 400);
    BuildMenus();
    BuildStatusBar();
    m_accelerators = std::make_unique<CAcceleratorFilter>(*this);
    m_contextHelp = std::make_unique<CContextHelpMode>(*this, kResourceHelpBase + kMainFrameResource,
                                                       [this](int topic) { ShowHelpTopic(topic); });
    RestorePlacement();
    RefreshCommandStates();
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::SetDocumentTitle(const QString& title)
{
    setWindowTitle(ApplicationTitle() + QStringLiteral(" - ") + title);
}

QMenu* CMainFrame::AddMenu(const QString& title)
{
    QMenu* menu = menuBar()->addMenu(title);
    TrackMenu(menu);
    return menu;
}

void CMainFrame::BuildMenus()
{
    QMenu* file = AddMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("fileMenu"));
    AddCommandAction(file, QStringLiteral("&Path...\tF5"), command::kPath);
    file->addSeparator();
    AddCommandAction(file, QStringLiteral("&Import Group..."), command::kImportGroup);
    AddCommandAction(file, QStringLiteral("E&xport Group..."), command::kExportGroup);
    file->addSeparator();
    AddCommandAction(file, QStringLiteral("E&xit\tAlt+F4"), command::kExit);

    QMenu* edit = AddMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("editMenu"));
    AddCommandAction(edit, QStringLiteral("New &Custom...\tF2"), command::kNewCustom);
    AddCommandAction(edit, QStringLiteral("&Delete Custom..."), command::kDeleteGroup);
    m_unitsMenu = edit->addMenu(QStringLiteral("&Units"));
    m_unitsMenu->setObjectName(QStringLiteral("unitsMenu"));
    m_factorsMenu = edit->addMenu(QStringLiteral("&Factors"));
    m_factorsMenu->setObjectName(QStringLiteral("factorsMenu"));
    edit->addSeparator();
    AddCommandAction(edit, QStringLiteral("F&ind Unit...\tCtrl+F"), command::kFindUnit);
    AddCommandAction(edit, QStringLiteral("Update &Exchange Rates..."), command::kUpdateRates);

    QMenu* view = AddMenu(QStringLiteral("&View"));
    view->setObjectName(QStringLiteral("viewMenu"));
    AddCommandAction(view, QStringLiteral("&Groups...\tF3"), command::kGroups);
    view->addSeparator();
    AddCommandAction(view, QStringLiteral("&Status Bar\tCtrl+U"), command::kStatusBar)->setCheckable(true);

    m_conversionMenu = AddMenu(QStringLiteral("&Conversion"));
    m_conversionMenu->setObjectName(QStringLiteral("conversionMenu"));
    // Every group until the launcher lists the enabled ones.
    for (int index = 0; index <= kCustomGroupIndex; ++index) {
        const int groupId = kTemperatureId + index;
        AddCommandAction(m_conversionMenu, GroupMenuLabel(index), groupId);
        if (groupId != kTemperatureId) {
            AddCommandAction(m_unitsMenu, GroupMenuLabel(index), groupId + kUnitsCommandOffset);
            AddCommandAction(m_factorsMenu, GroupMenuLabel(index), groupId + kFactorsCommandOffset);
        }
    }

    QMenu* help = AddMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("helpMenu"));
    AddCommandAction(help, QStringLiteral("&Index"), command::kHelpIndex);
    AddCommandAction(help, QStringLiteral("&Keyboard"), command::kHelpKeyboard);
    AddCommandAction(help, QStringLiteral("&Commands"), command::kHelpCommands);
    AddCommandAction(help, QStringLiteral("&Procedures"), command::kHelpProcedures);
    help->addSeparator();
    AddCommandAction(help, QStringLiteral("&Background"), command::kHelpBackground);
    AddCommandAction(help, QStringLiteral("&Tables"), command::kHelpTables);
    AddCommandAction(help, QStringLiteral("&Glossary"), command::kHelpGlossary);
    help->addSeparator();
    AddCommandAction(help, QStringLiteral("&Using Help"), command::kHelpUsing);
    help->addSeparator();
    AddCommandAction(help, QStringLiteral("&About..."), command::kAbout);
}

void CMainFrame::BuildStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("statusBar"));
    // The lock key panes keep their place; they stay blank where the platform does not tell.
    m_capsLockPane = IndicatorPane(QStringLiteral("capsLockPane"), QStringLiteral("CAP"));
    m_numLockPane = IndicatorPane(QStringLiteral("numLockPane"), QStringLiteral("NUM"));
    m_scrollLockPane = IndicatorPane(QStringLiteral("scrollLockPane"), QStringLiteral("SCRL"));
    for (QLabel* pane : {m_capsLockPane, m_numLockPane, m_scrollLockPane})
        bar->addPermanentWidget(pane);
    ShowIdlePrompt();
    if (m_app.services.lockKeys) {
        m_lockKeyTimer = new QTimer(this);
        connect(m_lockKeyTimer, &QTimer::timeout, this, &CMainFrame::UpdateLockKeyPanes);
        m_lockKeyTimer->start(kLockKeyPollMs);
        UpdateLockKeyPanes();
    }
}

void CMainFrame::UpdateLockKeyPanes()
{
    const std::optional<LockKeyState> state = m_app.services.lockKeys->Read();
    if (!state) {
        m_lockKeyTimer->stop();
        return;
    }
    m_capsLockPane->setText(state->capsLock ? QStringLiteral("CAP") : QString());
    m_numLockPane->setText(state->numLock ? QStringLiteral("NUM") : QString());
    m_scrollLockPane->setText(state->scrollLock ? QStringLiteral("SCRL") : QString());
}

void CMainFrame::TrackMenu(QMenu* menu)
{
    if (menu->property(kTrackedProperty).toBool())
        return;
    menu->setProperty(kTrackedProperty, true);
    connect(menu, &QMenu::aboutToShow, this, &CMainFrame::RefreshCommandStates);
    connect(menu, &QMenu::aboutToHide, this, [this, menu] {
        // A submenu closing while its parent stays open leaves the parent's prompt alone.
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window != menu && qobject_cast<QMenu*>(window) && window->isVisible())
                return;
        ShowIdlePrompt();
    });
    // The item that opens a menu carries no command: highlighting it prompts nothing.
    connect(menu->menuAction(), &QAction::hovered, this, [this] { ShowCommandPrompt(0); });
}

QAction* CMainFrame::AddCommandAction(QMenu* menu, const QString& text, int commandId)
{
    auto* action = new QAction(text, menu);
    action->setData(commandId);
    action->setObjectName(QStringLiteral("command%1").arg(commandId));
    action->setEnabled(IsCommandEnabled(commandId));
    connect(action, &QAction::triggered, this, [this, commandId] { RouteCommand(commandId); });
    connect(action, &QAction::hovered, this, [this, commandId] { ShowCommandPrompt(commandId); });
    menu->addAction(action);
    TrackMenu(menu);
    return action;
}

QAction* CMainFrame::CommandAction(int commandId) const
{
    return findChild<QAction*>(QStringLiteral("command%1").arg(commandId));
}

void CMainFrame::SetView(QWidget* view, ICommandTarget* target)
{
    setCentralWidget(view);
    m_view = target;
    RefreshCommandStates();
}

void CMainFrame::SetCommandTargets(ICommandTarget* document, ICommandTarget* application)
{
    m_document = document;
    m_application = application;
    RefreshCommandStates();
}

std::array<ICommandTarget*, 4> CMainFrame::RoutingOrder() const
{
    // The frame answers its own commands between the document and the application.
    auto* self = const_cast<CMainFrame*>(this);
    return {m_view, m_document, self, m_application};
}

void CMainFrame::RouteCommand(int commandId)
{
    for (ICommandTarget* target : RoutingOrder()) {
        if (!target)
            continue;
        if (const std::optional<bool> enabled = target->CommandState(commandId)) {
            if (*enabled)
                target->OnCommand(commandId);
            return;
        }
    }
}

bool CMainFrame::IsCommandEnabled(int commandId) const
{
    for (const ICommandTarget* target : RoutingOrder()) {
        if (!target)
            continue;
        if (const std::optional<bool> enabled = target->CommandState(commandId))
            return *enabled;
    }
    return false;
}

void CMainFrame::RefreshCommandStates()
{
    for (QAction* action : findChildren<QAction*>()) {
        const int commandId = action->data().toInt();
        if (commandId == 0)
            continue;
        action->setEnabled(IsCommandEnabled(commandId));
        if (commandId == command::kStatusBar)
            action->setChecked(!statusBar()->isHidden());
    }
}

bool CMainFrame::OnCommand(int commandId)
{
    switch (commandId) {
    case command::kExit:
        close();
        return true;
    case command::kStatusBar:
        statusBar()->setHidden(!statusBar()->isHidden());
        RefreshCommandStates();
        return true;
    case command::kHelpIndex:
    case command::kHelpFinder:
        m_app.services.help->ShowContents();
        return true;
    case command::kHelpUsing:
        m_app.services.help->ShowHelpOnHelp();
        return true;
    case command::kContextHelp:
        m_contextHelp->Enter();
        return true;
    case command::kHelp:
        ShowHelpTopic(kResourceHelpBase + kMainFrameResource);
        return true;
    default:
        return false;
    }
}

std::optional<bool> CMainFrame::CommandState(int commandId) const
{
    switch (commandId) {
    case command::kExit:
    case command::kStatusBar:
        return true;
    case command::kHelpIndex:
    case command::kHelpFinder:
    case command::kHelpUsing:
    case command::kContextHelp:
    case command::kHelp:
        return m_app.services.help != nullptr;
    default:
        return std::nullopt;
    }
}

void CMainFrame::ShowHelpTopic(int contextId)
{
    while (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
    if (m_app.services.help)
        m_app.services.help->ShowTopic(contextId);
}

QString CMainFrame::PromptFor(int commandId) const
{
    return CommandPrompt(commandId, m_app);
}

QString CMainFrame::IdlePrompt() const
{
    return IdlePromptText();
}

void CMainFrame::ShowPrompt(const QString& text)
{
    statusBar()->showMessage(text);
}

void CMainFrame::ShowCommandPrompt(int commandId)
{
    m_lastPrompted = commandId;
    ShowPrompt(commandId == 0 ? QString() : PromptFor(commandId));
}

void CMainFrame::ShowIdlePrompt()
{
    ShowPrompt(IdlePromptText());
}

void CMainFrame::SetSplashWindow(QWidget* splash)
{
    m_splash = splash;
}

void CMainFrame::CloseSplashWindow()
{
    if (m_splash)
        m_splash->close();
}

void CMainFrame::RestorePlacement()
{
    const ISettingsStore& store = *m_app.services.settings;
    FramePlacement stored;
    stored.top = ReadSetting(store, profile::kFrameTop);
    stored.left = ReadSetting(store, profile::kFrameLeft);
    stored.bottom = ReadSetting(store, profile::kFrameBottom);
    stored.right = ReadSetting(store, profile::kFrameRight);
    if (const std::optional<QRect> geometry =
            RestoredGeometry(stored, QGuiApplication::primaryScreen()->virtualGeometry()))
        setGeometry(*geometry);
}

void CMainFrame::SavePlacement()
{
    ISettingsStore& store = *m_app.services.settings;
    const int status = isMinimized() ? kMinimizedStatus : isMaximized() ? kMaximizedStatus : kNormalStatus;
    WriteSetting(store, profile::kFrameStatus, status);
    if (status != kNormalStatus)
        return;
    const FramePlacement placement = PlacementOf(geometry());
    WriteSetting(store, profile::kFrameTop, placement.top);
    WriteSetting(store, profile::kFrameLeft, placement.left);
    WriteSetting(store, profile::kFrameBottom, placement.bottom);
    WriteSetting(store, profile::kFrameRight, placement.right);
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (!m_closed) {
        m_closed = true;
        SavePlacement();
        CloseSplashWindow();
        emit frameClosed();
    }
    event->accept();
}

bool CMainFrame::event(QEvent* event)
{
    // Prompts come from the highlighted command, not from Qt's per-widget status tips.
    if (event->type() == QEvent::StatusTip)
        return true;
    return QMainWindow::event(event);
}

} // namespace kalvex
