#include "app/command_entry.h"

#include "app/command_line.h"
#include "app/import_command.h"
#include "app/update_rates_command.h"
#include "platform/posix/program_module.h"
#include "platform/qt/application_title.h"
#include "platform/qt/decimal_separator.h"
#include "platform/qt/qsettings_store.h"
#include "storage/library_groups.h"

#include <QCoreApplication>
#include <algorithm>
#include <iostream>

namespace {

// The printing options need no display: they run on a core application and open no window.
int RunWithoutWindow(int& argc, char* argv[], const kalvex::CommandLine& request)
{
    QCoreApplication application(argc, argv);
    kalvex::SetApplicationNames();
    const kalvex::QSettingsStore settings;
    kalvex::CommandLine localRequest = request;
    localRequest.decimalSeparator = kalvex::UserDecimalSeparator();
    localRequest.libraryDir = kalvex::LibraryDir(kalvex::ProgramFolder());
    return kalvex::RunCommandLine(localRequest, settings, KALVEX_VERSION, std::cout, std::cerr);
}

} // namespace

extern "C" int kalvex_run_command_v1(int* argc, char** argv)
{
    const kalvex::CommandLine request = kalvex::ParseCommandLine({argv + std::min(*argc, 1), argv + *argc});
    switch (request.action) {
    case kalvex::CommandLine::Action::Import:
        return kalvex::RunImportCommand(*argc, argv, request.file);
    case kalvex::CommandLine::Action::UpdateRates:
        return kalvex::RunUpdateRatesCommand(*argc, argv, request.url);
    default:
        return RunWithoutWindow(*argc, argv, request);
    }
}
