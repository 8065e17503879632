#include "core/group_ids.h"
#include "storage/factor_directory.h"
#include "storage/factor_file.h"
#include "storage/inventory_check.h"
#include "storage_fixture.h"
#include "tests/support/real_disk.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace kalvex::testing {
namespace {

namespace fs = std::filesystem;

const std::string kFirstRunQuestionStart =
    "Since this is the first time you have run Kalvex! after installing, we have a question you need to "
    "answer.\n\nKalvex!'s factor files will be stored in the directory:\n\n";

std::string Refusal(const std::string& dir)
{
    return "Can't create files in path:\n\n" + dir + "\n\nNo changes made.";
}

std::string ReadFile(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// A copier that fails for the files it is told to and copies the others.
class PartlyFailingCopier final : public IFileCopier {
public:
    bool Copy(const fs::path& from, const fs::path& to, std::uintmax_t) override
    {
        copied.push_back(from.filename().string());
        if (from.filename() == failing)
            return false;
        return fs::copy_file(from, to, fs::copy_options::overwrite_existing);
    }
    std::string failing;
    std::vector<std::string> copied;
};

class FactorDirectoryTest : public StorageTest {
protected:
    FactorDirectoryTest()
    {
        app.m_factorPath.clear();
        app.m_programDir = programFolder.Dir();
        app.m_dataDir = dataFolder.Dir() + "Qor Corporation/Kalvex!/";
    }

    std::string Unwritable() const { return otherFolder.Dir() + "missing/"; }
    std::string StoredPath() const { return settings.ReadString("Settings", "ConvFilePath", "<none>"); }

    TempFolder programFolder;
    TempFolder dataFolder;
    TempFolder otherFolder;
};

TEST_F(FactorDirectoryTest, FirstRunYesStoresTheProgramFolder)
{
    messages.Answer(MessageAnswer::Yes);
    EstablishFactorPath(app);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, kFirstRunQuestionStart + programFolder.Dir() +
                                          "\n\nThis directory must have read/write capabilities.\n\nIs this "
                                          "acceptable?");
    EXPECT_EQ(messages.shown[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Question);
    EXPECT_EQ(app.m_firstRun, 1);
    EXPECT_EQ(app.m_factorPath, programFolder.Dir());
    EXPECT_EQ(StoredPath(), programFolder.Dir());
    EXPECT_FALSE(fs::exists(programFolder.Path() / "~qortest.tmp"));
}

TEST_F(FactorDirectoryTest, AnInstalledProgramFolderIsNeverOffered)
{
    app.m_programDir = "/usr/bin/";
    EXPECT_EQ(FirstRunCandidate(app), app.m_dataDir);
    EXPECT_TRUE(fs::is_directory(app.m_dataDir));
    app.m_programDir = Unwritable();
    EXPECT_EQ(FirstRunCandidate(app), app.m_dataDir);
    app.m_programDir = programFolder.Dir();
    EXPECT_EQ(FirstRunCandidate(app), programFolder.Dir());
}

TEST_F(FactorDirectoryTest, FirstRunYesOnAFolderWithoutWriteAccessLeadsToTheChoice)
{
    // The data folder cannot be created below a file: neither candidate is writable.
    otherFolder.Write("file", "x");
    app.m_programDir = "/usr/bin/";
    app.m_dataDir = otherFolder.Dir() + "file/Kalvex!/";
    messages.Answer(MessageAnswer::Yes);
    picker.answers = {programFolder.Dir()};
    EstablishFactorPath(app);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[1].text, Refusal(app.m_dataDir));
    EXPECT_EQ(messages.shown[1].icon, MessageIcon::Stop);
    EXPECT_EQ(StoredPath(), programFolder.Dir());
}

TEST_F(FactorDirectoryTest, FirstRunNoThenAWritableFolder)
{
    messages.Answer(MessageAnswer::No);
    picker.answers = {otherFolder.Path().string()}; // no trailing separator
    EstablishFactorPath(app);
    EXPECT_EQ(StoredPath(), otherFolder.Dir());
    EXPECT_EQ(app.m_factorPath, otherFolder.Dir());
    EXPECT_FALSE(fs::exists(otherFolder.Path() / "~qortest.tmp"));
    ASSERT_EQ(picker.startFolders.size(), 1u);
    EXPECT_EQ(picker.startFolders[0], fs::current_path().string() + "/");
}

TEST_F(FactorDirectoryTest, FirstRunRefusalThenCancelNamesTheCandidate)
{
    messages.Answer(MessageAnswer::No);  // first-run question
    messages.Answer(MessageAnswer::Ok);  // refusal
    messages.Answer(MessageAnswer::No);  // "You didn't select ..." -> choose again
    messages.Answer(MessageAnswer::Yes); // second cancel: accept
    picker.answers = {Unwritable(), std::nullopt, std::nullopt};
    EstablishFactorPath(app);
    ASSERT_EQ(messages.shown.size(), 4u);
    EXPECT_EQ(messages.shown[1].text, Refusal(Unwritable()));
    EXPECT_EQ(messages.shown[2].text, "You didn't select a directory.\n\nIs " + programFolder.Dir() + " ok?");
    EXPECT_EQ(messages.shown[2].buttons, MessageButtons::YesNo);
    EXPECT_EQ(app.m_factorPath, programFolder.Dir());
    EXPECT_EQ(StoredPath(), "<none>"); // the next start asks again
    EXPECT_EQ(messages.unexpected, 0);
}

TEST_F(FactorDirectoryTest, StoredPathsAreMadeFoldersAndForeignOnesCountAsAbsent)
{
    EXPECT_EQ(NormalFactorPath("/home/user/factors"), "/home/user/factors/");
    EXPECT_EQ(NormalFactorPath("/home/user//old/../factors/"), "/home/user/factors/");
    EXPECT_EQ(NormalFactorPath("factors/"), "");
    EXPECT_EQ(NormalFactorPath("C:\\KALVEX\\"), "");
    EXPECT_EQ(NormalFactorPath(""), "");

    settings.WriteString("Settings", "ConvFilePath", otherFolder.Path().string());
    EstablishFactorPath(app);
    EXPECT_EQ(app.m_factorPath, otherFolder.Dir());
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(FactorDirectoryTest, AHomePlatformPathFromTheLegacyFileLeadsToTheFirstRunQuestion)
{
    WriteLegacy("kalvex.ini", {"ConvFilePath=C:\\KALVEX\\"}, "Settings");
    messages.Answer(MessageAnswer::Yes);
    EstablishFactorPath(app);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text.rfind(kFirstRunQuestionStart, 0), 0u);
    EXPECT_EQ(app.m_factorPath, programFolder.Dir());
    EXPECT_EQ(StoredPath(), programFolder.Dir());
    EXPECT_EQ(app.m_firstRun, 1);
}

TEST_F(FactorDirectoryTest, TheProbeIsNeverWrittenThroughALink)
{
    otherFolder.Write("target", "keep me");
    fs::create_symlink(otherFolder.Path() / "target", programFolder.Path() / "~qortest.tmp");
    EXPECT_TRUE(CanCreateFilesIn(programFolder.Dir()));
    EXPECT_EQ(ReadFile(otherFolder.Path() / "target"), "keep me");
    EXPECT_FALSE(fs::exists(fs::symlink_status(programFolder.Path() / "~qortest.tmp")));
    EXPECT_FALSE(CanCreateFilesIn(Unwritable()));
}

class PathCommandTest : public FactorDirectoryTest {
protected:
    PathCommandTest()
    {
        app.m_factorPath = factorFolder.Dir();
        settings.WriteString("Settings", "ConvFilePath", factorFolder.Dir());
        CheckGroupInventory(app, progress);
        messages.shown.clear();
    }
};

TEST_F(PathCommandTest, CopiesEveryFactorFileAndSwitches)
{
    CConversion custom;
    ASSERT_TRUE(LoadFactorFile(FactorFile("Acce"), custom));
    ASSERT_TRUE(SaveFactorFile(custom, FactorFile("Cust01"), RealDisk()));
    settings.WriteInt("Settings", "NumCust", 1);
    picker.answers = {otherFolder.Dir()};
    RunPathCommand(app);
    EXPECT_EQ(picker.startFolders, std::vector<std::string>{factorFolder.Dir()});
    int copied = 0;
    for (const auto& entry : fs::directory_iterator(otherFolder.Path())) {
        ++copied;
        EXPECT_EQ(ReadFile(entry.path()), ReadFile(factorFolder.Path() / entry.path().filename()));
    }
    EXPECT_EQ(copied, 15);
    EXPECT_EQ(app.m_factorPath, otherFolder.Dir());
    EXPECT_EQ(StoredPath(), otherFolder.Dir());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Kalvex!'s factor file path has been changed to\n\n" +
                                          otherFolder.Dir() +
                                          "\n\nand the factor files have been copied there.");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::None);
}

TEST_F(PathCommandTest, TheSameFolderChangesNothing)
{
    picker.answers = {factorFolder.Dir()};
    const int writes = settings.writeCount;
    RunPathCommand(app);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "The path selected is the current factor path!\n\n" +
                                          factorFolder.Dir() + "\n\nNo change made.");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Information);
    EXPECT_EQ(settings.writeCount, writes);
}

TEST_F(PathCommandTest, CancelAndRefusalKeepTheOldFolder)
{
    RunPathCommand(app); // the picker is cancelled
    EXPECT_TRUE(messages.shown.empty());
    picker.answers = {Unwritable()};
    RunPathCommand(app);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, Refusal(Unwritable()));
    EXPECT_EQ(app.m_factorPath, factorFolder.Dir());
    EXPECT_EQ(StoredPath(), factorFolder.Dir());
}

TEST_F(PathCommandTest, FilesNotFoundInTheOldFolderAreNamedAndNeverClaimedAsCopied)
{
    fs::remove(FactorFile("Mass"));
    ASSERT_TRUE(MakeFifo(FactorFile("Vol")));
    fs::remove(FactorFile("Dist"));
    fs::create_symlink("/dev/zero", FactorFile("Dist"));
    picker.answers = {otherFolder.Dir()};
    RunPathCommand(app);
    EXPECT_EQ(app.m_factorPath, otherFolder.Dir());
    EXPECT_EQ(StoredPath(), otherFolder.Dir());
    EXPECT_TRUE(fs::exists(otherFolder.Path() / "Area.fsf"));
    EXPECT_FALSE(fs::exists(otherFolder.Path() / "Dist.fsf"));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Kalvex!'s factor file path has been changed to\n\n" +
                                          otherFolder.Dir() + "\n\nThese factor files were not found in\n\n" +
                                          factorFolder.Dir() +
                                          "\n\nand were not copied:\n\nDist.fsf\nMass.fsf\nVol.fsf");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Warning);
}

TEST_F(PathCommandTest, AFailedCopyKeepsTheOldFolderAndNamesTheFile)
{
    PartlyFailingCopier failing;
    failing.failing = "Ener.fsf";
    app.services.copier = &failing;
    fs::remove(FactorFile("Mass")); // a missing source is skipped, not created
    fs::remove(FactorFile("Vol"));
    ASSERT_TRUE(MakeFifo(FactorFile("Vol"))); // a FIFO is not even opened
    picker.answers = {otherFolder.Dir()};
    RunPathCommand(app);
    EXPECT_EQ(failing.copied.size(), 12u);
    EXPECT_FALSE(fs::exists(otherFolder.Path() / "Mass.fsf"));
    EXPECT_EQ(app.m_factorPath, factorFolder.Dir());
    EXPECT_EQ(StoredPath(), factorFolder.Dir());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].text.find("Ener.fsf"), std::string::npos);
    EXPECT_NE(messages.shown[0].text.find(otherFolder.Dir()), std::string::npos);
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Stop);
}

} // namespace
} // namespace kalvex::testing
