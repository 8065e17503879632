#include "bench/startup/factor_folder.h"
#include "bench/startup/probed_start.h"
#include "bench/startup/run_figures.h"
#include "bench/startup/user_folders.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace kalvex::bench {
namespace {

namespace fs = std::filesystem;

TEST(RunFiguresTest, MinimumAndMedianOfOddAndEvenSeries)
{
    const RunFigures odd = Summarise({30, 10, 20});
    EXPECT_EQ(odd.min, 10);
    EXPECT_EQ(odd.median, 20);
    const RunFigures even = Summarise({40, 10, 30, 20});
    EXPECT_EQ(even.min, 10);
    EXPECT_EQ(even.median, 25);
}

class ProbedStartTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/kalvex-probe-test-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        m_root = pattern;
    }
    void TearDown() override { fs::remove_all(m_root); }

    fs::path m_root;
};

// The probe, loaded by Qt into an unchanged main-window program, reports its first painted
// frame and closes the window, so the program ends by itself.
TEST_F(ProbedStartTest, ProbeReportsTheShownMainWindowAndEndsTheProgram)
{
    const UserFolders folders(m_root);
    const StartReport report =
        RunProbedStart(KALVEX_STARTUP_FLOOR, folders.Environment(KALVEX_STARTUP_PROBE_DIR), folders.Root(),
                       std::chrono::seconds(60));
    EXPECT_TRUE(report.shown) << report.otherOutput;
    EXPECT_GT(report.shownMilliseconds, 0);
    EXPECT_GT(report.residentKilobytes, 1000);
    EXPECT_TRUE(report.asked.empty());
    EXPECT_EQ(report.exitStatus, 0) << report.otherOutput;
}

TEST_F(ProbedStartTest, ProgramThatNeverShowsAWindowIsReportedAsNotShown)
{
    const UserFolders folders(m_root);
    const StartReport report = RunProbedStart("/bin/true", folders.Environment(KALVEX_STARTUP_PROBE_DIR),
                                              folders.Root(), std::chrono::seconds(10));
    EXPECT_FALSE(report.shown);
}

TEST(FactorFolderTest, FolderIsTakenFromTheFirstRunQuestion)
{
    const std::vector<std::string> asked{
        "Something else",
        "Since this is the first time you have run Kalvex! after installing, we have a question you need to "
        "answer.\\n\\nKalvex!'s factor files will be stored in the directory:\\n\\n/home/u/.local/share/"
        "Qor Corporation/Kalvex!/\\n\\nThis directory must have read/write capabilities.\\n\\nIs this "
        "acceptable?"};
    EXPECT_EQ(OfferedFactorFolder(asked), fs::path("/home/u/.local/share/Qor Corporation/Kalvex!/"));
    EXPECT_EQ(OfferedFactorFolder({"Can't find conversion group file!"}), std::nullopt);
}

TEST_F(ProbedStartTest, OnlyFactorFilesAreCountedAndRemoved)
{
    for (const char* name : {"Dist.fsf", "Mass.fsf", "notes.txt"})
        std::fclose(std::fopen((m_root / name).c_str(), "w"));
    EXPECT_EQ(CountFactorFiles(m_root), 2);
    RemoveFactorFiles(m_root);
    EXPECT_EQ(CountFactorFiles(m_root), 0);
    EXPECT_TRUE(fs::exists(m_root / "notes.txt"));
}

} // namespace
} // namespace kalvex::bench
