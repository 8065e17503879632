// Each exit status the program documents, brought about as a user would meet it.
#include "core/conversion.h"
#include "core/group_ids.h"
#include "storage/builtin_groups.h"
#include "storage/factor_file.h"
#include "tests/support/program_home.h"
#include "tests/support/program_run.h"
#include "tests/support/real_disk.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace kalvex::testing {
namespace {

// Nothing listens on port 1 of the loopback address, so a download from it fails at once.
constexpr const char* kDeadServer = "http://127.0.0.1:1/eurofxref-daily.xml";

struct StatusRow {
    QStringList arguments;
    ProgramHome::Display display;
    // Run from a copy with only these modules beside it; none: the program as built.
    std::optional<std::vector<std::string>> modules;
    int status;
    const char* says; // part of what it writes on standard error
};

TEST(ExitStatus, EachFailureHasItsOwnStatus)
{
    using Display = ProgramHome::Display;
    const std::nullopt_t asBuilt = std::nullopt;
    const std::vector<std::string> alone, withCommands{"kalvex_commands.so"};
    const StatusRow rows[] = {
        {{"--version"}, Display::None, asBuilt, 0, ""},
        {{}, Display::None, asBuilt, 1, "no display: set DISPLAY or WAYLAND_DISPLAY"},
        {{}, Display::Unreachable, asBuilt, 1, "kalvex: the window cannot open: "},
        {{"--digits", "4"}, Display::None, asBuilt, 2, "kalvex: --digits, --scientific and --as go with"},
        {{"--update-rates", kDeadServer}, Display::None, asBuilt, 3, "rates could not be updated from http"},
        {{"--import", "no-such-group.fsf"}, Display::None, asBuilt, 4, "no group is imported"},
        {{}, Display::Offscreen, alone, 5, "kalvex: the window module of Kalvex! could not be loaded: "},
        {{"--update-rates", kDeadServer}, Display::None, withCommands, 5, "the network module of Kalvex!"},
    };
    // A profile that has been started once, so the updates get as far as the download.
    ProgramHome home;
    ASSERT_TRUE(home.IsValid());
    CConversion money;
    BuildBuiltinGroup(money, kMoneyId);
    ASSERT_TRUE(
        SaveFactorFile(money, FactorFileName(home.FactorFolder().toStdString(), kMoneyId), RealDisk()));

    for (const StatusRow& row : rows) {
        std::optional<ProgramCopy> copy;
        if (row.modules)
            copy.emplace(KALVEX_PROGRAM, *row.modules);
        const QString program = copy ? QString::fromStdString(copy->Program().string()) : KALVEX_PROGRAM;
        const ProgramRun run = RunProgram(program, row.arguments, home.Environment(row.display));
        EXPECT_EQ(run.status, row.status) << row.arguments.join(' ').toStdString() << '\n'
                                          << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(row.says)) << run.err.toStdString();
        EXPECT_EQ(run.status == 0, run.err.isEmpty()) << run.err.toStdString();
    }
}

} // namespace
} // namespace kalvex::testing
