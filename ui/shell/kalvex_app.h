#pragma once

#include "storage/app_state.h"
#include "storage/current_group.h"
#include "ui/shell/command_target.h"
#include "ui/shell/kalvex_doc.h"

#include <QObject>
#include <QPointer>
#include <memory>

namespace kalvex {

class CKalvexView;
class CMainFrame;
class CProgressWindow;
class SignalClose;
class ReportingSettingsStore;
class SingleInstance;

// Where and how this run starts; FromEnvironment gives the values of the running program.
struct StartOptions {
    std::string programDir; // the program's own folder, ending with the separator
    std::string dataDir;    // the user's data folder for the program, ending with the separator
    QString systemFolder;   // what the system information shows as the system's directory
    bool startMinimized = false;

    static StartOptions FromEnvironment(const QString& settingsFolder);
};

// The application object: one per process. It keeps a second copy from running, brings the
// settings and factor files up to date at start-up, creates the document, the main frame and
// the launcher view, and handles the application-wide commands (About, Help topics, Path).
class CKalvexApp : public QObject, public ICommandTarget {
    Q_OBJECT
public:
    CKalvexApp(const Services& services, StartOptions options, QObject* parent = nullptr);
    ~CKalvexApp() override;

    // The single-instance check: false when another instance runs (it has been asked to come to
    // the front); the program then ends without a window.
    bool InitApplication();
    // The start-up sequence; true to enter the event loop.
    bool InitInstance();
    // Closes what start-up may have left open and gives back the exit code.
    int ExitInstance(int exitCode);

    // A termination signal closes the program as the user would (see SignalClose); false when
    // there is no main frame yet, so nothing to close or save.
    bool OnTerminationSignal(int signalNumber);

    bool OnCommand(int commandId) override;
    std::optional<bool> CommandState(int commandId) const override;

    AppState& State() { return m_state; }
    CMainFrame* Frame() const { return m_frame.get(); }
    QWidget* SplashWindow() const { return m_splash; }
    bool ShowedProgressWindow() const { return m_showedProgress; }

signals:
    // The main frame closed; the event loop should end.
    void mainFrameClosed();

private:
    void ReportProfileProblem();
    void UpdateSettingsAndGroups();
    void CreateDocumentFrameAndView();
    void RaiseMainFrame();

    std::unique_ptr<ReportingSettingsStore> m_settings;
    AppState m_state;
    CurrentGroup m_current{m_state};
    StartOptions m_options;
    CKalvexDoc m_document;
    std::unique_ptr<SingleInstance> m_instance;
    std::unique_ptr<CProgressWindow> m_progress;
    std::unique_ptr<CMainFrame> m_frame;
    QPointer<CKalvexView> m_view;
    std::unique_ptr<SignalClose> m_signalClose;
    QPointer<QWidget> m_splash;
    bool m_showedProgress = false;
};

// Start-up step: settings older than 3.5.2 are brought up to date behind the progress window.
bool NeedsSettingsUpdate(const AppState& app);

} // namespace kalvex
