// The program loads no toolkit library of its own: it answers the printing options itself
// whenever it can read the settings exactly without the toolkit, and hands everything else to
// the module that does it.
#include "app/command_line.h"
#include "app/display_check.h"
#include "app/program_modules.h"
#include "platform/posix/plain_settings_file.h"
#include "platform/posix/program_module.h"
#include "storage/library_groups.h"

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <optional>

int main(int argc, char* argv[])
{
    kalvex::CommandLine request = kalvex::ParseCommandLine({argv + std::min(argc, 1), argv + argc});
    switch (request.action) {
    case kalvex::CommandLine::Action::Window:
        if (!kalvex::HasDisplay(argc, argv)) {
            std::fprintf(stderr, "%s\n", kalvex::kNoDisplayText);
            return kalvex::kExitNoDisplay;
        }
        return kalvex::RunWindowModule(argc, argv);
    case kalvex::CommandLine::Action::Import:
    case kalvex::CommandLine::Action::UpdateRates:
        return kalvex::RunCommandModule(argc, argv);
    default:
        break;
    }
    // A comma in the query reads by the user's decimal separator, which the toolkit's locale knows.
    if (request.query.find(',') == std::string::npos) {
        request.libraryDir = kalvex::LibraryDir(kalvex::ProgramFolder());
        if (const std::optional<kalvex::PlainSettingsFile> settings = kalvex::PlainSettingsFile::OfUser())
            return kalvex::RunCommandLine(request, *settings, KALVEX_VERSION, std::cout, std::cerr);
    }
    return kalvex::RunCommandModule(argc, argv);
}
