// The options that only print must not load the window libraries, and a windowed start whose
// module is missing or broken must say so rather than crash.
#include "core/conversion.h"
#include "core/group_ids.h"
#include "storage/builtin_groups.h"
#include "storage/factor_file.h"
#include "tests/support/program_home.h"
#include "tests/support/real_disk.h"
#include "tests/support/temp_folder.h"
#include "tests/support/two_unit_group.h"

#include <QProcess>
#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>

namespace kalvex::testing {
namespace {

struct ProgramRun {
    QString out;
    QString err;
    int status = -1; // -1 when the program did not end normally
};

ProgramRun RunProgram(const QString& program, const QStringList& arguments, const QProcessEnvironment& env)
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
    }
    return {QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError()),
            process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1};
}

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
                                           OptionRow{{"--update-rates", "ftp://rates.example/"}, 1, true}));

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
    TempFolder folder;
    const std::filesystem::path program = folder.Path() / "bin" / "kalvex";
    std::filesystem::create_directories(program.parent_path());
    std::filesystem::copy_file(KALVEX_PROGRAM, program);
    if (row.moduleBytes)
        WriteBytes(program.parent_path() / row.moduleFile, row.moduleBytes);
    ProgramHome home;
    ASSERT_TRUE(home.IsValid());

    const ProgramRun run = RunProgram(QString::fromStdString(program.string()), row.arguments,
                                      home.Environment(ProgramHome::Display::Offscreen));

    EXPECT_EQ(run.status, 1);
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
