#include "platform/regular_file.h"
#include "platform/testing/faulty_file_replacer.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace kalvex::testing {
namespace {

namespace fs = std::filesystem;

constexpr std::uintmax_t kCap = 1000;

fs::perms Permissions(const fs::path& file)
{
    return fs::status(file).permissions() & fs::perms::all;
}

std::vector<std::string> Names(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class RegularFileTest : public ::testing::Test {
protected:
    fs::path At(const std::string& name) const { return folder.Path() / name; }

    TempFolder folder;
    FaultyFileReplacer replacer;
};

TEST_F(RegularFileTest, ReadsRegularFilesWithinTheCapAndTellsMissingFromUnusable)
{
    folder.Write("small", std::string(kCap, 'x'));
    const FileBytes read = ReadRegularFile(At("small"), kCap);
    EXPECT_EQ(read.status, ReadStatus::Read);
    EXPECT_EQ(read.bytes.size(), kCap);

    EXPECT_EQ(ReadRegularFile(At("absent"), kCap).status, ReadStatus::Missing);
    fs::create_symlink(At("absent"), At("dangling"));
    EXPECT_EQ(ReadRegularFile(At("dangling"), kCap).status, ReadStatus::Missing);
    fs::create_symlink(At("small"), At("link"));
    EXPECT_EQ(ReadRegularFile(At("link"), kCap).status, ReadStatus::Read);
}

// None of these may block, read without end or take memory by their size.
TEST_F(RegularFileTest, SpecialAndOversizedFilesAreUnusable)
{
    ASSERT_TRUE(MakeFifo(At("fifo")));
    fs::create_symlink("/dev/zero", At("zero"));
    fs::create_directory(At("folder"));
    MakeSparse(At("sparse"), std::uintmax_t(3) << 30);
    folder.Write("one too many", std::string(kCap + 1, 'x'));

    for (const char* name : {"fifo", "zero", "folder", "sparse", "one too many"}) {
        SCOPED_TRACE(name);
        const FileBytes read = ReadRegularFile(At(name), kCap);
        EXPECT_EQ(read.status, ReadStatus::Unusable);
        EXPECT_TRUE(read.bytes.empty());
    }
    EXPECT_EQ(ReadRegularFile("/dev/null", kCap).status, ReadStatus::Unusable);
}

TEST_F(RegularFileTest, ReplacementKeepsThePermissionsAndLeavesNothingElse)
{
    folder.Write("Dist.fsf", "old");
    fs::permissions(At("Dist.fsf"), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_EQ(ReplaceFileAtomically(At("Dist.fsf"), "new"), SaveStatus::Saved);
    EXPECT_EQ(ReadBytes(At("Dist.fsf")), "new");
    EXPECT_EQ(Permissions(At("Dist.fsf")),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(Names(folder.Path()), std::vector<std::string>{"Dist.fsf"});
}

TEST_F(RegularFileTest, ReadOnlyFileIsRefusedAndLeftAsItWas)
{
    folder.Write("Dist.fsf", "old");
    fs::permissions(At("Dist.fsf"), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_EQ(ReplaceFileAtomically(At("Dist.fsf"), "new"), SaveStatus::ReadOnly);
    EXPECT_EQ(ReadBytes(At("Dist.fsf")), "old");
    EXPECT_EQ(Permissions(At("Dist.fsf")),
              fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
}

TEST_F(RegularFileTest, LinkIsKeptAndItsTargetReplacedInTheTargetsFolder)
{
    fs::create_directory(At("elsewhere"));
    folder.Write("elsewhere/real.fsf", "old");
    fs::create_symlink("elsewhere/real.fsf", At("Dist.fsf"));
    ASSERT_EQ(ReplaceFileAtomically(At("Dist.fsf"), "new"), SaveStatus::Saved);
    EXPECT_TRUE(fs::is_symlink(At("Dist.fsf")));
    EXPECT_EQ(ReadBytes(At("elsewhere/real.fsf")), "new");

    // Where links are not to be followed, the link itself is replaced.
    ASSERT_EQ(ReplaceFileAtomically(At("Dist.fsf"), "own", LinkAtName::Replace), SaveStatus::Saved);
    EXPECT_FALSE(fs::is_symlink(At("Dist.fsf")));
    EXPECT_EQ(ReadBytes(At("elsewhere/real.fsf")), "new");
}

TEST_F(RegularFileTest, FailedReplacementsKeepTheOldFileAndLeaveNoTemporaryFile)
{
    folder.Write("Dist.fsf", "old");
    for (ReplaceFault fault : {ReplaceFault::CannotCreate, ReplaceFault::DiskFull}) {
        replacer.fault = fault;
        EXPECT_EQ(replacer.Replace(At("Dist.fsf"), "new", Flush::ToDisk), SaveStatus::Failed);
        EXPECT_EQ(ReadBytes(At("Dist.fsf")), "old");
        EXPECT_EQ(Names(folder.Path()), std::vector<std::string>{"Dist.fsf"});
    }
    EXPECT_EQ(ReplaceFileAtomically(At("no such folder/Dist.fsf"), "new"), SaveStatus::Failed);
}

TEST_F(RegularFileTest, DamagedFilesAreSetAsideWithoutReplacingEarlierOnes)
{
    folder.Write("Cust01.fsf.damaged", "earlier");
    folder.Write("Cust01.fsf", "now");
    EXPECT_EQ(SetAside(At("Cust01.fsf")), At("Cust01.fsf.damaged2").string());
    EXPECT_EQ(ReadBytes(At("Cust01.fsf.damaged")), "earlier");
    EXPECT_EQ(ReadBytes(At("Cust01.fsf.damaged2")), "now");
    EXPECT_FALSE(fs::exists(At("Cust01.fsf")));
    EXPECT_EQ(SetAside(At("Cust01.fsf")), "");
}

TEST_F(RegularFileTest, KillBeforeTheRenameLeavesTheOldFileAndAStaleTemporaryThatIsRemovedLater)
{
    folder.Write("Dist.fsf", "old");
    folder.Write("Dist.fsf.damaged", "kept");
    folder.Write("notes.tmp", "kept");
    fs::create_symlink(At("notes.tmp"), At("Mass.fsf.abcdef.tmp"));
    // Temporary files of earlier versions of the program.
    folder.Write("Vol.fsf.123456789.tmp", "stale");
    folder.Write(".Area.fsf.Ab12Cd", "stale");

    replacer.fault = ReplaceFault::KilledBeforeRename;
    EXPECT_EQ(replacer.Replace(At("Dist.fsf"), "new", Flush::ToDisk), SaveStatus::Failed);
    EXPECT_EQ(ReadBytes(At("Dist.fsf")), "old");
    EXPECT_EQ(Names(folder.Path()).size(), 7u);

    RemoveStaleTemporaries(folder.Path());
    EXPECT_EQ(Names(folder.Path()),
              (std::vector<std::string>{"Dist.fsf", "Dist.fsf.damaged", "Mass.fsf.abcdef.tmp", "notes.tmp"}));
}

// Only names of the program's temporary files, now and in earlier versions, are removed.
TEST_F(RegularFileTest, StaleTemporaryNamesAreMatchedExactly)
{
    const std::vector<std::string> stale = {"Dist.fsf.aB3dE6.tmp", "Cust01.fsf.x.tmp",
                                            "Vol.fsf.0123456789.tmp", ".Area.fsf.Ab12Cd"};
    const std::vector<std::string> kept = {
        ".Area.fsf.Ab12C",  ".Area.fsf.Ab12Cd7",       ".fsf.abc.tmp",        "Di-st.fsf.abc.tmp",
        "Dist.FSF.abc.tmp", "Dist.fsf..tmp",           "Dist.fsf.ab_c.tmp",   "Dist.fsf.abc.tmp.x",
        "Dist.fsf.abc.TMP", "Vol.fsf.01234567890.tmp", "Dist.fsf.abc.de.tmp", "..Area.fsf.Ab12Cd"};
    for (const std::vector<std::string>* names : {&stale, &kept})
        for (const std::string& name : *names)
            folder.Write(name, "x");

    RemoveStaleTemporaries(folder.Path());
    std::vector<std::string> expected = kept;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Names(folder.Path()), expected);
}

} // namespace
} // namespace kalvex::testing
