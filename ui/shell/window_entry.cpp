#include "ui/shell/window_entry.h"

#include "platform/qt/application_title.h"
#include "platform/qt/font_database_warm_up.h"
#include "platform/qt/qt_platform_services.h"
#include "platform/qt/termination_signals.h"
#include "ui/shell/kalvex_app.h"
#include "ui/shell/program_images.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

QtMessageHandler g_earlierHandler = nullptr;

// The toolkit ends the process when its display cannot be reached (a DISPLAY naming no running
// server); the program's status for a window without a display is kWindowWithoutDisplay, not
// the toolkit's abort.
void EndWhenTheDisplayFails(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "kalvex: the window cannot open: %s\n", qPrintable(text));
        std::_Exit(kalvex::kWindowWithoutDisplay);
    }
    if (g_earlierHandler)
        g_earlierHandler(type, context, text);
}

// The toolkit's own start-up, where a fatal message can only mean the display failed.
class DisplayConnection {
public:
    DisplayConnection() { g_earlierHandler = qInstallMessageHandler(EndWhenTheDisplayFails); }
    ~DisplayConnection() { qInstallMessageHandler(g_earlierHandler); }
};

} // namespace

extern "C" int kalvex_run_window_v1(int* argc, char** argv)
{
    std::optional<DisplayConnection> connecting(std::in_place);
    QApplication application(*argc, argv);
    connecting.reset();
    kalvex::SetApplicationNames();
    // Lets the desktop match the window to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.qorcorporation.Kalvex"));
    // The help window may stay open; the program ends with its main window.
    QApplication::setQuitOnLastWindowClosed(false);

    kalvex::QtPlatformServices platform;
    kalvex::CKalvexApp kalvex(platform.services,
                              kalvex::StartOptions::FromEnvironment(platform.SettingsFolder()));
    if (!kalvex.InitApplication())
        return EXIT_SUCCESS;
    // Runs beside the start-up work below, until the first window measures its text.
    const kalvex::FontDatabaseWarmUp fonts;
    // Only a copy that goes on to show windows needs their icon.
    QApplication::setWindowIcon(kalvex::ProgramWindowIcon());

    kalvex::TerminationSignals termination;
    QObject::connect(&termination, &kalvex::TerminationSignals::terminationRequested, &kalvex,
                     [&kalvex](int signalNumber) {
                         // Before the main window exists there is nothing to save.
                         if (!kalvex.OnTerminationSignal(signalNumber))
                             std::_Exit(128 + signalNumber);
                     });
    QObject::connect(&kalvex, &kalvex::CKalvexApp::mainFrameClosed, &application, [&platform] {
        platform.help.Close();
        QCoreApplication::quit();
    });

    if (!kalvex.InitInstance())
        return EXIT_FAILURE;
    return kalvex.ExitInstance(QApplication::exec());
}
