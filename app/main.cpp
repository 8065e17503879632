#include "app/command_line.h"
#include "app/display_check.h"
#include "app/import_command.h"
#include "app/update_rates_command.h"
#include "platform/qt/font_database_warm_up.h"
#include "platform/qt/qsettings_store.h"
#include "platform/qt/qt_platform_services.h"
#include "platform/qt/termination_signals.h"
#include "ui/shell/kalvex_app.h"
#include "ui/shell/program_images.h"

#include <QApplication>
#include <QLocale>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iostream>

namespace {

void SetApplicationNames()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Qor Corporation"));
    QCoreApplication::setApplicationName(QStringLiteral("Kalvex!"));
}

// The printing options need no display: they run on a core application and open no window.
int RunWithoutWindow(int argc, char* argv[], const kalvex::CommandLine& request)
{
    QCoreApplication application(argc, argv);
    SetApplicationNames();
    const kalvex::QSettingsStore settings;
    kalvex::CommandLine localRequest = request;
    localRequest.decimalSeparator = QLocale().decimalPoint() == QStringLiteral(",") ? ',' : '.';
    return kalvex::RunCommandLine(localRequest, settings, KALVEX_VERSION, std::cout, std::cerr);
}

} // namespace

int main(int argc, char* argv[])
{
    const kalvex::CommandLine request = kalvex::ParseCommandLine({argv + std::min(argc, 1), argv + argc});
    switch (request.action) {
    case kalvex::CommandLine::Action::Window:
        break;
    case kalvex::CommandLine::Action::Import:
        return kalvex::RunImportCommand(argc, argv, request.file);
    case kalvex::CommandLine::Action::UpdateRates:
        return kalvex::RunUpdateRatesCommand(argc, argv, request.url);
    default:
        return RunWithoutWindow(argc, argv, request);
    }
    if (!kalvex::HasDisplay(argc, argv)) {
        std::fprintf(stderr, "%s\n", kalvex::kNoDisplayText);
        return kalvex::kExitNoDisplay;
    }

    QApplication application(argc, argv);
    SetApplicationNames();
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
