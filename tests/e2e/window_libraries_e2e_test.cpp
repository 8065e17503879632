// The options that only print must not load the window libraries, and a windowed start whose
// module is missing or broken must say so rather than crash.
#include "core/conversion.h"
#include "core/group_ids.h"
#include "storage/builtin_groups.h"
#include "storage/factor_file.h"
#include "tests/support/program_home.h"
#include "tests/support/program_run.h"
#include "tests/support/real_disk.h"
#include "tests/support/two_unit_group.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace kalvex::testing {
namespace {

// The libraries a run initialised, as the dynamic loader reports them.
QStringList LoadedLibraries(const ProgramRun& run)
{
    static const QString mark = QStringLiteral("calling init: ");
    QStringList libraries;
    for (const QString& line : run.err.split('\n'))
        if (const qsizetype at = line.indexOf(mark); at >= 0)
            libraries << line.mid(at + mark.size()).trimmed();
    return libraries;
}

bool LoadsLibrary(const QStringList& libraries, const char* name)
{
    return !libraries.filter(QLatin1String(name)).isEmpty();
}

// An option, the exit status it gives here, and whether it needs the toolkit's core library.
struct OptionRow {
    QStringList arguments;
    int status;
    bool loadsQtCore;
};

void PrintTo(const OptionRow& row, std::ostream* out)
{
    *out << row.arguments.join(' ').toStdString();
}

class PrintingOptions : public ::testing::TestWithParam<OptionRow> {};

TEST_P(PrintingOptions, LoadNoWindowLibrary)
{
    ProgramHome home;
    ASSERT_TRUE(home.IsValid());
    CConversion money;
    BuildBuiltinGroup(money, kMoneyId);
    ASSERT_TRUE(
        SaveFactorFile(money, FactorFileName(home.FactorFolder().toStdString(), kMoneyId), RealDisk()));
    ASSERT_TRUE(SaveFactorFile(TwoUnitGroup("Roman", "Roman foot,pes", "Roman half foot,semipes"),
                               home.Path("roman.fsf").toStdString(), RealDisk()));

    QStringList arguments = GetParam().arguments;
    arguments.replaceInStrings("ROMAN", home.Path("roman.fsf"));
    // A display is at hand, so nothing but the options themselves keeps the windows away.
    QProcessEnvironment env = home.Environment(ProgramHome::Display::Offscreen);
    env.insert("LD_DEBUG", "libs");
    const ProgramRun run = RunProgram(KALVEX_PROGRAM, arguments, env);
    const QStringList libraries = LoadedLibraries(run);
    const std::string loaded = libraries.join('\n').toStdString();

    EXPECT_EQ(run.status, GetParam().status) << run.err.toStdString();
    EXPECT_TRUE(LoadsLibrary(libraries, "libstdc++.so")) << run.err.toStdString();
    EXPECT_EQ(LoadsLibrary(libraries, "libQt6Core.so"), GetParam().loadsQtCore) << loaded;
    EXPECT_FALSE(LoadsLibrary(libraries, "libQt6Gui.so")) << loaded;
    EXPECT_FALSE(LoadsLibrary(libraries, "libQt6Widgets.so")) << loaded;
    EXPECT_FALSE(LoadsLibrary(libraries, "kalvex_window")) << loaded;
}

INSTANTIATE_TEST_SUITE_P(EveryPrintingOption, PrintingOptions,
                         ::testing::Values(OptionRow{{"--convert", "32 psi"}, 0, false},
                                           OptionRow{{"--list"}, 0, false}, OptionRow{{"--help"}, 0, false},
                                           OptionRow{{"--version"}, 0, false},
                                           OptionRow{{"--bogus"}, 2, false},
                                           // The user's decimal separator is the toolkit's to know.
                                           OptionRow{{"--convert", "1,500 psi"}, 0, true},
                                           OptionRow{{"--import", "ROMAN"}, 0, true},
                                           // Loads the network module, which refuses the address.
                                           OptionRow{{"--update-rates", "ftp://rates.example/"}, 3, true}));

// The program copied alone into a folder, with or without something where a module belongs.
struct BrokenModule {
    QStringList arguments;
    const char* module;      // "window" or "command"
    const char* moduleFile;  // where that module is looked for first
    const char* moduleBytes; // null: no module at all
    const char* reason;      // part of what the program says
};

void PrintTo(const BrokenModule& row, std::ostream* out)
{
    *out << row.module << (row.moduleBytes ? " module broken" : " module missing");
}

class ModuleMissing : public ::testing::TestWithParam<BrokenModule> {};

TEST_P(ModuleMissing, IsReportedWithAnExitStatus)
{
    const BrokenModule& row = GetParam();
    const ProgramCopy copy(KALVEX_PROGRAM, {});
    if (row.moduleBytes)
        WriteBytes(copy.Folder() / row.moduleFile, row.moduleBytes);
    ProgramHome home;
    ASSERT_TRUE(home.IsValid());

    const ProgramRun run = RunProgram(QString::fromStdString(copy.Program().string()), row.arguments,
                                      home.Environment(ProgramHome::Display::Offscreen));

    EXPECT_EQ(run.status, 5);
    EXPECT_TRUE(
        run.err.startsWith(QString("kalvex: the %1 module of Kalvex! could not be loaded: ").arg(row.module)))
        << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(row.reason)) << run.err.toStdString();
    EXPECT_EQ(run.out, "");
}

INSTANTIATE_TEST_SUITE_P(
    MissingOrBroken, ModuleMissing,
    ::testing::Values(BrokenModule{{}, "window", "kalvex_window.so", nullptr, "No such file"},
                      BrokenModule{{}, "window", "kalvex_window.so", "not a library", "kalvex_window.so"},
                      BrokenModule{
                          {"--import", "x.fsf"}, "command", "kalvex_commands.so", nullptr, "No such file"}));

} // namespace
} // namespace kalvex::testing
