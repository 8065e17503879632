// Removing and importing custom groups, on real files in a temporary factor folder.
#include "storage_fixture.h"

#include "core/conversion.h"
#include "core/group_ids.h"
#include "storage/custom_group_removal.h"
#include "storage/factor_file.h"
#include "storage/group_import.h"
#include "storage/inventory_check.h"
#include "storage/settings_profile.h"
#include "tests/support/real_disk.h"

#include <sys/stat.h>

namespace kalvex::testing {
namespace {

CConversion NamedGroup(const std::string& name)
{
    CConversion group;
    group.m_name = name;
    group.m_description = name + " units";
    group.m_remark = "None";
    group.m_updateDate = "Unknown";
    group.m_unitCount = 2;
    group.m_shownCount = 2;
    group.m_digits = 6;
    group.m_units[0] = name + " one," + name + "1";
    group.m_units[1] = name + " two," + name + "2";
    group.m_factors[0][0] = group.m_factors[1][1] = 1.0;
    group.m_factors[1][0] = 0.5;
    group.m_factors[0][1] = 2.0;
    group.m_unitOrder[0] = 1;
    group.m_unitOrder[1] = 2;
    return group;
}

class CustomGroupFilesTest : public StorageTest {
protected:
    // Custom groups named by the letters given, with the flags given, counted in the settings.
    void MakeGroups(const std::string& names, const std::vector<int>& flags)
    {
        for (std::size_t i = 0; i < names.size(); ++i) {
            const int id = CustomGroupId(int(i) + 1);
            ASSERT_TRUE(
                SaveFactorFile(NamedGroup(std::string(1, names[i])), FactorFile(GroupTag(id)), RealDisk()));
            settings.WriteInt("Settings", GroupTag(id), flags[i]);
        }
        settings.WriteInt("Settings", "NumCust", int(names.size()));
        settings.WriteInt("Settings", "NumStd", 15);
        app.m_numCust = int(names.size());
    }
    // The names of custom groups 1 .. NumCust; "?" for one that does not load.
    std::string CountedNames()
    {
        std::string names;
        for (int k = 1; k <= Setting("NumCust"); ++k) {
            CConversion group;
            names += LoadFactorFile(FactorFile(GroupTag(CustomGroupId(k))), group) ? group.m_name : "?";
        }
        return names;
    }
};

TEST_F(CustomGroupFilesTest, RemovingMovesTheLaterGroupsAndTheirFlagsDown)
{
    MakeGroups("ABCD", {1, 0, 1, 0});
    ASSERT_EQ(RemoveCustomGroup(app, 2, "B"), RemovalOutcome::Removed);
    EXPECT_EQ(CountedNames(), "ACD");
    EXPECT_EQ(Setting("Cust01"), 1);
    EXPECT_EQ(Setting("Cust02"), 1); // C's flag
    EXPECT_EQ(Setting("Cust03"), 0); // D's flag
    EXPECT_EQ(Setting("NumActCust"), 2);
    EXPECT_FALSE(std::filesystem::exists(FactorFile("Cust04")));
}

TEST_F(CustomGroupFilesTest, RemovingTheLastOrTheOnlyGroupLeavesTheOthersAlone)
{
    MakeGroups("AB", {1, 1});
    ASSERT_EQ(RemoveCustomGroup(app, 2, "B"), RemovalOutcome::Removed);
    EXPECT_EQ(CountedNames(), "A");
    ASSERT_EQ(RemoveCustomGroup(app, 1, "A"), RemovalOutcome::Removed);
    EXPECT_EQ(Setting("NumCust"), 0);
    EXPECT_EQ(Setting("NumActCust"), 0);
    EXPECT_FALSE(std::filesystem::exists(FactorFile("Cust01")));
    EXPECT_EQ(RemoveCustomGroup(app, 1, "A"), RemovalOutcome::Moved) << "no group left to remove";
}

// The user asked about one group; when the numbers moved meanwhile, nothing goes. A link among
// the files is moved down as a link: what it points to is never written.
TEST_F(CustomGroupFilesTest, RemovalChecksTheNameAndMovesLinksThemselves)
{
    MakeGroups("ABC", {1, 1, 1});
    const std::string shared = FactorFile("shared");
    std::filesystem::rename(FactorFile("Cust03"), shared);
    std::filesystem::create_symlink(shared, FactorFile("Cust03"));
    const std::string sharedBytes = ReadBytes(shared);
    EXPECT_EQ(RemoveCustomGroup(app, 1, "B"), RemovalOutcome::Moved);
    EXPECT_EQ(CountedNames(), "ABC");
    ASSERT_EQ(RemoveCustomGroup(app, 1, "A"), RemovalOutcome::Removed);
    EXPECT_EQ(CountedNames(), "BC");
    EXPECT_TRUE(std::filesystem::is_symlink(FactorFile("Cust02")));
    EXPECT_EQ(ReadBytes(shared), sharedBytes);
    EXPECT_EQ(lock.acquired, 2);
    EXPECT_EQ(lock.depth, 0);
}

TEST_F(CustomGroupFilesTest, ImportRefusesWhatIsNotAnIntactFactorFile)
{
    CConversion group;
    const auto refusal = [&](const std::filesystem::path& file) {
        return ReadGroupToImport(file, group).value_or("accepted");
    };
    EXPECT_NE(refusal(factorFolder.Path() / "none.fsf").find("cannot be found"), std::string::npos);

    const std::string intact = NamedGroup("A").Serialize();
    factorFolder.Write("cut.fsf", intact.substr(0, intact.size() / 2));
    EXPECT_NE(refusal(factorFolder.Path() / "cut.fsf").find("damaged"), std::string::npos);

    factorFolder.Write("big.fsf", intact + std::string(kMaxGroupFileBytes, '\0'));
    EXPECT_NE(refusal(factorFolder.Path() / "big.fsf").find("too large"), std::string::npos);

    const auto fifo = factorFolder.Path() / "pipe.fsf";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_NE(refusal(fifo).find("not a regular file"), std::string::npos);
    EXPECT_NE(refusal("/dev/zero").find("not a regular file"), std::string::npos);

    CConversion single = NamedGroup("S");
    single.m_unitCount = 1;
    factorFolder.Write("single.fsf", single.Serialize());
    EXPECT_NE(refusal(factorFolder.Path() / "single.fsf").find("damaged"), std::string::npos);

    factorFolder.Write("good.fsf", intact);
    std::filesystem::create_symlink(factorFolder.Path() / "good.fsf", factorFolder.Path() / "link.fsf");
    EXPECT_EQ(refusal(factorFolder.Path() / "link.fsf"), "accepted");
    EXPECT_EQ(group.m_name, "A");
}

TEST_F(CustomGroupFilesTest, ImportAddsTheNextGroupEnabledAndStopsAtTheLimit)
{
    MakeGroups("AB", {1, 0});
    const ImportOutcome added = AddImportedGroup(app, NamedGroup("C"));
    EXPECT_EQ(added.groupId, CustomGroupId(3));
    EXPECT_EQ(Setting("NumCust"), 3);
    EXPECT_EQ(Setting("Cust03"), 1);
    EXPECT_EQ(Setting("NumActCust"), 2);
    EXPECT_TRUE(ReadBytes(FactorFile("Cust03")) == NamedGroup("C").Serialize());

    MakeGroups("ABCDEFGHIJKLMNOPQRST", std::vector<int>(20, 1));
    const ImportOutcome refused = AddImportedGroup(app, NamedGroup("D"));
    EXPECT_EQ(refused.groupId, 0);
    EXPECT_NE(refused.refusal.find("maximum of 20 custom groups"), std::string::npos);
}

// A file the settings do not count (a save stopped before its settings) is taken in first.
TEST_F(CustomGroupFilesTest, ImportNeverWritesOverAFileTheSettingsDoNotCount)
{
    MakeGroups("A", {1});
    const std::string stray = NamedGroup("Stray").Serialize();
    WriteBytes(FactorFile("Cust02"), stray);
    const ImportOutcome outcome = AddImportedGroup(app, NamedGroup("B"));
    EXPECT_EQ(outcome.groupId, CustomGroupId(3));
    EXPECT_EQ(ReadBytes(FactorFile("Cust02")), stray);
    EXPECT_EQ(CountedNames(), "AStrayB");
    EXPECT_EQ(Setting("NumActCust"), 3);
}

TEST_F(CustomGroupFilesTest, TakenNamesGetTheFirstFreeNumber)
{
    MakeGroups("A", {1});
    const std::vector<std::string> names = GroupNamesInUse(app);
    EXPECT_TRUE(IsNameInUse(names, "distance")) << "a standard group's name, in any letter case";
    EXPECT_TRUE(IsNameInUse(names, "A"));
    EXPECT_EQ(FreeGroupName(names, "Fresh"), "Fresh");
    EXPECT_EQ(FreeGroupName(names, "A"), "A (2)");
    EXPECT_EQ(FreeGroupName({"A", "a (2)"}, "A"), "A (3)");
}

} // namespace
} // namespace kalvex::testing
