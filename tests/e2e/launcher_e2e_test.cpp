#include "core/conversion.h"
#include "storage/factor_file.h"
#include "tests/support/program_home.h"

#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QSettings>
#include <csignal>
#include <gtest/gtest.h>

namespace {

// The real program, started offscreen with a private home, driven by the e2e driver plugin.
struct ProgramRun {
    QString output;
    QString errors;
    int exitCode = -1;
    QString distanceFile;
    QString profileFile;
};

// ending: how the driver ends the run (see E2eDriver::Ending); empty saves and quits.
ProgramRun RunProgram(const kalvex::testing::ProgramHome& home, const QString& ending = {})
{
    const QString base = home.Root();
    QProcessEnvironment env = home.Environment(kalvex::testing::ProgramHome::Display::Offscreen);
    env.insert("QT_PLUGIN_PATH", KALVEX_E2E_PLUGINS);
    env.insert("QT_QPA_GENERIC_PLUGINS", ending.isEmpty() ? "kalvexe2e" : "kalvexe2e:" + ending);

    QProcess program;
    program.setProcessEnvironment(env);
    program.setWorkingDirectory(base);
    program.start(KALVEX_PROGRAM, {});
    ProgramRun run;
    if (!program.waitForStarted() || !program.waitForFinished(120000)) {
        program.kill();
        program.waitForFinished();
    }
    run.output = QString::fromLocal8Bit(program.readAllStandardOutput());
    run.errors = QString::fromLocal8Bit(program.readAllStandardError());
    run.profileFile = home.ProfileFile();
    run.exitCode = program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
    QDirIterator files(base, {"Dist.fsf"}, QDir::Files, QDirIterator::Subdirectories);
    if (files.hasNext())
        run.distanceFile = files.next();
    return run;
}

TEST(LauncherEndToEnd, OpensDistanceFromItsIconConvertsAndSavesChangedFactors)
{
    kalvex::testing::ProgramHome home;
    ASSERT_TRUE(home.IsValid());
    const ProgramRun run = RunProgram(home);
    SCOPED_TRACE(run.output.toStdString());
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.output.contains("e2e open Distance"));
    EXPECT_TRUE(run.output.contains("e2e result 12\n"));
    EXPECT_TRUE(run.output.contains("e2e asked You made changes to the conversion factors."));
    EXPECT_TRUE(run.output.contains("e2e done"));

    ASSERT_FALSE(run.distanceFile.isEmpty());
    kalvex::CConversion distance;
    ASSERT_TRUE(LoadFactorFile(run.distanceFile.toStdString(), distance));
    EXPECT_EQ(distance.m_factors[1][0], 40.0);
    EXPECT_EQ(distance.m_factors[0][1], 1.0 / 40.0);
}

double DistanceFactor(const ProgramRun& run)
{
    kalvex::CConversion distance;
    if (run.distanceFile.isEmpty() || !LoadFactorFile(run.distanceFile.toStdString(), distance))
        return -1.0;
    return distance.m_factors[1][0];
}

TEST(LauncherEndToEnd, SecondSignalWhileTheSaveQuestionIsOpenEndsWithoutSavingThatWindow)
{
    kalvex::testing::ProgramHome home;
    ASSERT_TRUE(home.IsValid());
    const ProgramRun run = RunProgram(home, "signal-twice");
    SCOPED_TRACE(run.output.toStdString() + run.errors.toStdString());
    EXPECT_EQ(run.exitCode, 128 + SIGTERM);
    EXPECT_EQ(run.output.count("e2e asked "), 1);
    EXPECT_TRUE(run.output.contains("e2e signal 2"));
    EXPECT_TRUE(run.errors.contains("were not saved"));
    EXPECT_TRUE(run.errors.contains("Distance"));
    EXPECT_NE(DistanceFactor(run), 40.0);
    const QSettings profile(run.profileFile, QSettings::IniFormat);
    EXPECT_EQ(profile.value("Frame/Status").toInt(), 1);
    EXPECT_TRUE(profile.contains("Settings/NumDigits"));
}

TEST(LauncherEndToEnd, SignalAsksOnceAndCancelKeepsTheWindowThenNoCloses)
{
    kalvex::testing::ProgramHome home;
    ASSERT_TRUE(home.IsValid());
    const ProgramRun run = RunProgram(home, "signal-cancel-then-no");
    SCOPED_TRACE(run.output.toStdString() + run.errors.toStdString());
    EXPECT_EQ(run.exitCode, 0);
    // One question per signal: Cancel does not bring it back.
    EXPECT_EQ(run.output.count("e2e asked "), 2);
    EXPECT_TRUE(run.output.contains("e2e kept-open"));
    EXPECT_NE(DistanceFactor(run), 40.0);
    const QSettings profile(run.profileFile, QSettings::IniFormat);
    EXPECT_EQ(profile.value("Frame/Status").toInt(), 1);
}

TEST(LauncherEndToEnd, SignalWhileTheUsersQuestionIsOpenLeavesItToTheUserThenCloses)
{
    kalvex::testing::ProgramHome home;
    ASSERT_TRUE(home.IsValid());
    const ProgramRun run = RunProgram(home, "close-signal-then-no");
    SCOPED_TRACE(run.output.toStdString() + run.errors.toStdString());
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.output.count("e2e asked "), 1);
    EXPECT_TRUE(run.output.contains("e2e still-asked"));
    EXPECT_TRUE(run.errors.contains("a question is open"));
    EXPECT_NE(DistanceFactor(run), 40.0);
    const QSettings profile(run.profileFile, QSettings::IniFormat);
    EXPECT_EQ(profile.value("Frame/Status").toInt(), 1);
}

} // namespace
