#pragma once

#include "ui/shell/command_target.h"

#include <QMainWindow>
#include <QPointer>

class QLabel;
class QTimer;
#include <array>
#include <memory>
#include <optional>

namespace kalvex {

struct AppState;
class CAcceleratorFilter;
class CContextHelpMode;

// The program's only top-level window: main menu, keyboard shortcuts, status bar with its
// prompts, placement kept in the profile, and the routing of every command to the view,
// the document, the frame itself and the application, in that order.
class CMainFrame : public QMainWindow, private ICommandTarget {
    Q_OBJECT
public:
    explicit CMainFrame(AppState& app, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // The launcher view becomes the central widget and the first command target.
    void SetView(QWidget* view, ICommandTarget* target);
    // The targets asked after the view: the document, then (after the frame) the application.
    void SetCommandTargets(ICommandTarget* document, ICommandTarget* application);

    // The caption: the application title, " - " and the document's title.
    void SetDocumentTitle(const QString& title);

    // Menus the launcher empties and refills with the enabled groups.
    QMenu* ConversionMenu() const { return m_conversionMenu; }
    QMenu* UnitsMenu() const { return m_unitsMenu; }
    QMenu* FactorsMenu() const { return m_factorsMenu; }
    // Adds an item to any menu (also a popup of the caller's own) that routes commandId when
    // chosen and shows the command's status prompt when highlighted. A tab in text starts the
    // shortcut hint. The action carries the id in data() and is named "command<id>".
    QAction* AddCommandAction(QMenu* menu, const QString& text, int commandId);
    // The first menu item carrying commandId, or null.
    QAction* CommandAction(int commandId) const;

    // Sends a command through the routing chain; a command nobody handles does nothing.
    void RouteCommand(int commandId);
    // Enabled when the first target that knows the command says so; unknown commands are disabled.
    bool IsCommandEnabled(int commandId) const;
    // Brings every menu item's enabled state up to date (also done whenever a menu opens).
    void RefreshCommandStates();

    // Status bar message pane.
    void ShowPrompt(const QString& text);
    void ShowCommandPrompt(int commandId); // the prompt for a command id; 0 clears the pane
    void ShowIdlePrompt();
    QString PromptFor(int commandId) const;
    QString IdlePrompt() const;
    int LastPromptedCommand() const { return m_lastPrompted; }

    // Opens the help window on a context number.
    void ShowHelpTopic(int contextId);

    // The splash window of start-up; the launcher calls CloseSplashWindow at its first update.
    void SetSplashWindow(QWidget* splash);
    void CloseSplashWindow();

    // The frame's placement in the profile.
    void RestorePlacement();
    void SavePlacement();

signals:
    // Emitted once the frame has closed as a user close and saved its placement.
    void frameClosed();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    bool OnCommand(int commandId) override;
    std::optional<bool> CommandState(int commandId) const override;

    std::array<ICommandTarget*, 4> RoutingOrder() const;
    void BuildMenus();
    void BuildStatusBar();
    void TrackMenu(QMenu* menu);
    void UpdateLockKeyPanes();
    QMenu* AddMenu(const QString& title);

    AppState& m_app;
    ICommandTarget* m_view = nullptr;
    ICommandTarget* m_document = nullptr;
    ICommandTarget* m_application = nullptr;
    QMenu* m_conversionMenu = nullptr;
    QMenu* m_unitsMenu = nullptr;
    QMenu* m_factorsMenu = nullptr;
    int m_lastPrompted = 0;
    bool m_closed = false;
    QPointer<QWidget> m_splash;
    QLabel* m_capsLockPane = nullptr;
    QLabel* m_numLockPane = nullptr;
    QLabel* m_scrollLockPane = nullptr;
    QTimer* m_lockKeyTimer = nullptr;
    std::unique_ptr<CAcceleratorFilter> m_accelerators;
    std::unique_ptr<CContextHelpMode> m_contextHelp;
};

} // namespace kalvex
