#include "ui/shell/kalvex_app.h"

#include "platform/qt/application_title.h"
#include "platform/qt/dialog_runner.h"
#include "platform/qt/registered_ids.h"
#include "platform/qt/single_instance.h"
#include "storage/factor_directory.h"
#include "storage/inventory_check.h"
#include "storage/settings_profile.h"
#include "storage/settings_version.h"
#include "ui/shell/about_dlg.h"
#include "ui/shell/command_ids.h"
#include "ui/shell/kalvex_view.h"
#include "ui/shell/launcher_pane.h"
#include "ui/shell/main_frame.h"
#include "ui/shell/progress_window.h"
#include "ui/shell/reporting_settings_store.h"
#include "ui/shell/signal_close.h"
#include "ui/shell/splash_window.h"

#include <QCoreApplication>
#include <QStandardPaths>
#include <cstdlib>
#include <utility>

namespace kalvex {
namespace {

const char* const kListFormatName = "String List";

// Help menu commands and the topics they ask for.
constexpr std::pair<int, int> kHelpTopics[] = {
    {command::kHelpTables, 5001},     {command::kHelpKeyboard, 2001},   {command::kHelpCommands, 1005},
    {command::kHelpProcedures, 3001}, {command::kHelpBackground, 4001}, {command::kHelpGlossary, 8001},
};

std::string FolderWithSeparator(const QString& folder)
{
    return folder.endsWith(u'/') ? folder.toStdString() : (folder + u'/').toStdString();
}

} // namespace

StartOptions StartOptions::FromEnvironment(const QString& settingsFolder)
{
    StartOptions options;
    options.programDir = FolderWithSeparator(QCoreApplication::applicationDirPath());
    options.dataDir = FolderWithSeparator(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    options.systemFolder = settingsFolder;
    // This platform hands a program no start-up show state; it always starts normally.
    options.startMinimized = false;
    return options;
}

bool NeedsSettingsUpdate(const AppState& app)
{
    return IsEarlierThan352(ParseSettingsVersion(StoredSettingsVersion(app)));
}

CKalvexApp::CKalvexApp(const Services& services, StartOptions options, QObject* parent)
    : QObject(parent),
      m_settings(std::make_unique<ReportingSettingsStore>(*services.settings, *services.messages)),
      m_options(std::move(options))
{
    m_state.services = services;
    m_state.services.settings = m_settings.get();
}

CKalvexApp::~CKalvexApp()
{
    // The view writes its settings when it goes, while the state it uses is still here; the
    // event loop has ended, so they are stored here.
    m_frame.reset();
    m_settings->Flush();
}

bool CKalvexApp::InitApplication()
{
    m_instance = std::make_unique<SingleInstance>(ApplicationTitle());
    if (!m_instance->Claim())
        return false;
    connect(m_instance.get(), &SingleInstance::raiseRequested, this, &CKalvexApp::RaiseMainFrame);
    // A group imported from the command line shows at once.
    connect(m_instance.get(), &SingleInstance::groupsChanged, this, [this] {
        if (m_view)
            m_view->ShowGroupsChangedElsewhere();
    });
    return true;
}

bool CKalvexApp::InitInstance()
{
    m_state.m_listFormat = RegisteredIds::Register(kListFormatName);
    m_state.m_programDir = m_options.programDir;
    m_state.m_dataDir = m_options.dataDir;
    ReportProfileProblem();
    {
        // Everything start-up writes (a first start writes some forty values) replaces the
        // profile once.
        SettingsBatch batch(*m_settings);
        EstablishFactorPath(m_state);
        m_state.m_tempDigits = ReadSetting(*m_settings, profile::kNumDigits);
        m_state.m_tempScientific = ReadSetting(*m_settings, profile::kScientific);
        UpdateSettingsAndGroups();
    }
    if (!m_options.startMinimized) {
        auto* splash = new CSplashWindow;
        splash->show();
        splash->repaint();
        m_splash = splash;
    }
    CreateDocumentFrameAndView();
    return true;
}

void CKalvexApp::ReportProfileProblem()
{
    const std::string problem = m_settings->OpenProblem();
    if (problem.empty())
        return;
    m_state.services.messages->Beep(MessageIcon::Warning);
    m_state.services.messages->Show({problem, "", MessageButtons::Ok, MessageIcon::Warning});
}

void CKalvexApp::UpdateSettingsAndGroups()
{
    if (NeedsSettingsUpdate(m_state)) {
        m_progress = std::make_unique<CProgressWindow>();
        m_progress->ShowAndPaint();
        m_showedProgress = true;
    }
    {
        BusyScope busy(*m_state.services.busy);
        NullProgressSink quiet;
        CheckGroupInventory(m_state, m_progress ? static_cast<IProgressSink&>(*m_progress) : quiet);
    }
    m_progress.reset();
}

void CKalvexApp::CreateDocumentFrameAndView()
{
    m_document.OnNewDocument();
    m_frame = std::make_unique<CMainFrame>(m_state);
    m_frame->SetDocumentTitle(m_document.Title());
    m_frame->SetCommandTargets(&m_document, this);
    m_frame->SetSplashWindow(m_splash);
    auto* pane = new CLauncherPane(m_state, m_current, *m_frame);
    m_frame->SetView(pane, pane);
    m_view = &pane->View();
    connect(m_frame.get(), &CMainFrame::frameClosed, this, &CKalvexApp::mainFrameClosed);
    if (m_options.startMinimized)
        m_frame->showMinimized();
    else
        m_frame->show();
}

int CKalvexApp::ExitInstance(int exitCode)
{
    if (m_splash)
        delete m_splash;
    return exitCode;
}

void CKalvexApp::RaiseMainFrame()
{
    if (!m_frame)
        return;
    // A minimized frame brought to the front would stay an icon; the user wants it back.
    if (m_frame->isMinimized())
        m_frame->setWindowState(m_frame->windowState() & ~Qt::WindowMinimized);
    m_frame->show();
    m_frame->activateWindow();
    m_frame->setFocus();
    m_frame->raise();
}

bool CKalvexApp::OnTerminationSignal(int signalNumber)
{
    if (!m_frame)
        return false;
    if (!m_signalClose) {
        SignalClose::Actions actions;
        actions.closeMainWindow = [this] { m_frame->close(); };
        actions.saveSettings = [this] {
            m_frame->SavePlacement();
            if (m_view)
                m_view->SaveSettings();
            // The process ends without returning to the event loop, which would store them.
            m_settings->Flush();
        };
        actions.endProcess = [](int exitCode) { std::_Exit(exitCode); };
        m_signalClose = std::make_unique<SignalClose>(std::move(actions));
    }
    m_signalClose->OnSignal(signalNumber);
    return true;
}

bool CKalvexApp::OnCommand(int commandId)
{
    if (commandId == command::kAbout) {
        CAboutDlg about(m_state, m_options.systemFolder, m_frame.get());
        m_state.services.dialogs->Run(about);
        return true;
    }
    if (commandId == command::kPath) {
        RunPathCommand(m_state);
        return true;
    }
    for (const auto& [helpCommand, topic] : kHelpTopics) {
        if (helpCommand == commandId) {
            m_state.services.help->ShowTopic(topic);
            return true;
        }
    }
    return false;
}

std::optional<bool> CKalvexApp::CommandState(int commandId) const
{
    if (commandId == command::kAbout)
        return m_state.services.dialogs != nullptr;
    if (commandId == command::kPath)
        return true;
    for (const auto& entry : kHelpTopics) {
        if (entry.first == commandId)
            return m_state.services.help != nullptr;
    }
    return std::nullopt;
}

} // namespace kalvex
