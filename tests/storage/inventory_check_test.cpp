#include "core/group_ids.h"
#include "storage/factor_file.h"
#include "storage/inventory_check.h"
#include "storage_fixture.h"

#include <algorithm>
#include <filesystem>

namespace kalvex::testing {
namespace {

namespace fs = std::filesystem;

class InventoryCheckTest : public StorageTest {
protected:
    void Check() { CheckGroupInventory(app, progress); }

    // Settings as a finished first start leaves them.
    void StartFresh()
    {
        Check();
        progress.lines.clear();
        messages.shown.clear();
    }

    CConversion Load(int id) const
    {
        CConversion group;
        EXPECT_TRUE(LoadFactorFile(FactorFileName(app.m_factorPath, id), group));
        return group;
    }
};

TEST_F(InventoryCheckTest, FirstStartWithoutAnySettingsCreatesEveryGroup)
{
    Check();
    for (int id = kFirstFactorGroupId; id <= kAccelerationId; ++id)
        EXPECT_TRUE(fs::exists(FactorFile(GroupTag(id)))) << id;
    EXPECT_FALSE(fs::exists(FactorFile("Temp")));
    EXPECT_EQ(settings.ReadString("Settings", "ConvVersion", "none"), "3.5.2");
    EXPECT_EQ(Setting("NumStd"), 15);
    EXPECT_EQ(Setting("NumCust"), 0);
    EXPECT_EQ(Setting("NumActCust"), 0);
    for (int n = 1; n <= 15; ++n)
        EXPECT_EQ(Setting(EnabledFlagKey(4102 + n)), 1) << n;
    EXPECT_EQ(progress.lines.size(), 14u);
    EXPECT_EQ(progress.lines.front(), "Distance conversions being added.");
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(app.m_numStd, 15);
    EXPECT_EQ(app.m_enabledCount, 15);
    EXPECT_EQ(app.m_selectedGroup, -1);
}

TEST_F(InventoryCheckTest, CurrentSettingsKeepEveryFileAndWriteNothing)
{
    StartFresh();
    const auto before = fs::last_write_time(FactorFile("Dist"));
    const int writes = settings.writeCount;
    Check();
    EXPECT_EQ(settings.writeCount, writes);
    EXPECT_EQ(fs::last_write_time(FactorFile("Dist")), before);
    EXPECT_TRUE(progress.lines.empty());
}

TEST_F(InventoryCheckTest, ADeletedFileIsRebuiltAndEnabledAlone)
{
    StartFresh();
    settings.WriteInt("Settings", "Conv03", 0); // Mass disabled
    settings.WriteInt("Settings", "Conv04", 0); // Volume disabled
    settings.WriteInt("Settings", "NumStd", 13);
    fs::remove(FactorFile("Mass"));
    Check();
    EXPECT_EQ(progress.lines, std::vector<std::string>{"Mass conversions being added."});
    EXPECT_EQ(Load(4105).m_unitCount, 18);
    EXPECT_EQ(Setting("Conv03"), 1);
    EXPECT_EQ(Setting("Conv04"), 0);
    EXPECT_EQ(Setting("NumStd"), 14);
}

TEST_F(InventoryCheckTest, NumStdNeverPassesFifteen)
{
    StartFresh();
    fs::remove(FactorFile("Mass"));
    Check();
    EXPECT_EQ(Setting("NumStd"), 15);
}

TEST_F(InventoryCheckTest, ATruncatedFileIsRebuilt)
{
    StartFresh();
    const std::string file = FactorFile("Powr");
    fs::resize_file(file, fs::file_size(file) / 2);
    Check();
    EXPECT_EQ(progress.lines, std::vector<std::string>{"Power conversions being added."});
    EXPECT_EQ(Load(4109).m_unitCount, 22);
}

// Zero-filled files are what a crash leaves on some file systems; a file of fewer than two
// units or with rows that do not cover its units converts nothing.
TEST_F(InventoryCheckTest, UnusableStandardFilesAreRebuiltAndEnabled)
{
    StartFresh();
    settings.WriteInt("Settings", "Conv11", 0);
    CConversion single = Load(4113);
    single.m_unitCount = 1;
    single.m_shownCount = 1;
    ASSERT_TRUE(SaveFactorFile(single, FactorFile("Forc"), replacer));
    WriteBytes(FactorFile("Dist"), std::string(7336, '\0'));
    // A valid record with a sparse tail of 3 GiB, and a FIFO: neither may be read.
    MakeSparse(FactorFile("Area"), std::uintmax_t(3) << 30);
    ASSERT_TRUE(MakeFifo(FactorFile("Angl")));
    Check();
    EXPECT_EQ(progress.lines,
              (std::vector<std::string>{"Distance conversions being added.", "Area conversions being added.",
                                        "Angle conversions being added.", "Force conversions being added."}));
    EXPECT_EQ(Load(4104).m_unitCount, 25);
    EXPECT_EQ(fs::status(FactorFile("Angl")).type(), fs::file_type::regular);
    EXPECT_EQ(Load(4113).m_unitCount, 12);
    EXPECT_EQ(Setting("Conv11"), 1);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(InventoryCheckTest, AnotherMajorVersionRebuildsEveryGroup)
{
    StartFresh();
    settings.WriteInt("Settings", "Conv02", 0);
    settings.WriteString("Settings", "ConvVersion", "4.0");
    Check();
    EXPECT_EQ(progress.lines.size(), 14u);
    EXPECT_EQ(Setting("Conv02"), 0); // not forced: major 4 is not older
    EXPECT_EQ(settings.ReadString("Settings", "ConvVersion", ""), "3.5.2");
}

TEST_F(InventoryCheckTest, ALostCustomGroupIsReportedOnce)
{
    StartFresh();
    settings.WriteInt("Settings", "NumCust", 2);
    settings.WriteInt("Settings", "NumActCust", 1);
    Check();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Custom conversions have been lost.");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Warning);
    EXPECT_EQ(messages.shown[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(Setting("NumCust"), 0);
    EXPECT_EQ(Setting("NumActCust"), 0);
    EXPECT_EQ(app.m_enabledCount, 15);
    Check();
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(InventoryCheckTest, APresentCustomGroupIsKept)
{
    StartFresh();
    CConversion custom = Load(4117);
    ASSERT_TRUE(SaveFactorFile(custom, FactorFile("Cust01"), replacer));
    settings.WriteInt("Settings", "NumCust", 1);
    settings.WriteInt("Settings", "NumActCust", 1);
    Check();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(app.m_numCust, 1);
    EXPECT_EQ(app.m_enabledCount, 16);
}

TEST_F(InventoryCheckTest, ADamagedCustomGroupIsKeptAsideOnceAndTheLaterGroupsMoveUp)
{
    StartFresh();
    CConversion custom = Load(4117);
    for (const char* name : {"first", "third"}) {
        custom.m_name = name;
        ASSERT_TRUE(
            SaveFactorFile(custom, FactorFile(name == std::string("first") ? "Cust01" : "Cust03"), replacer));
    }
    WriteBytes(FactorFile("Cust02"), std::string(7400, '\0'));
    settings.WriteInt("Settings", "NumCust", 3);
    settings.WriteInt("Settings", "NumActCust", 2);
    settings.WriteInt("Settings", "Cust01", 1);
    settings.WriteInt("Settings", "Cust02", 1);
    settings.WriteInt("Settings", "Cust03", 0);
    Check();

    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "The custom conversion group file\n\n" + FactorFile("Cust02") +
                                          "\n\nis damaged and cannot be used. It has been kept as\n\n" +
                                          FactorFile("Cust02") + ".damaged");
    EXPECT_EQ(ReadBytes(FactorFile("Cust02") + ".damaged"), std::string(7400, '\0'));
    EXPECT_EQ(Load(4119).m_name, "third");
    EXPECT_FALSE(fs::exists(FactorFile("Cust03")));
    EXPECT_EQ(Setting("Cust02"), 0);
    EXPECT_EQ(Setting("NumCust"), 2);
    EXPECT_EQ(Setting("NumActCust"), 1);
    EXPECT_EQ(app.m_enabledCount, 16);

    Check();
    EXPECT_EQ(messages.shown.size(), 1u);
}

// What a kill or a hand leaves in the folder, and what the next start makes of it: the files
// are the truth, each group is listed once, and its flag goes with it.
TEST_F(InventoryCheckTest, TheCustomCountsAndFlagsFollowTheFiles)
{
    struct Row {
        const char* files; // group names by number, '_' for no file
        int counted;
        std::vector<int> flags; // stored Cust01, Cust02, ...
        const char* listed;
        std::vector<int> listedFlags;
    };
    const Row rows[] = {
        {"A_C", 3, {1, 0, 0}, "AC", {1, 0}},      // a file gone: the later ones move down, flags too
        {"_BC", 3, {0, 1, 0}, "BC", {1, 0}},      // the first gone
        {"ABC", 2, {1, 0, 0}, "ABC", {1, 0, 1}},  // saved, not yet counted: taken in, enabled
        {"AB_D", 3, {1, 0, 1}, "ABD", {1, 0, 1}}, // counted and flagged already, files not yet moved
        {"A_CD", 4, {0, 1, 1, 0}, "ACD", {0, 1, 0}},
    };
    StartFresh();
    for (const Row& row : rows) {
        const std::string files = row.files;
        for (int k = 1; k <= kMaxCustomGroups; ++k)
            fs::remove(FactorFile(GroupTag(CustomGroupId(k))));
        CConversion custom = Load(4117);
        for (std::size_t i = 0; i < files.size(); ++i) {
            custom.m_name = std::string(1, files[i]);
            if (files[i] != '_') {
                ASSERT_TRUE(
                    SaveFactorFile(custom, FactorFile(GroupTag(CustomGroupId(int(i) + 1))), replacer));
            }
        }
        settings.WriteInt("Settings", "NumCust", row.counted);
        for (std::size_t i = 0; i < row.flags.size(); ++i)
            settings.WriteInt("Settings", GroupTag(CustomGroupId(int(i) + 1)), row.flags[i]);

        Check();
        std::string listed;
        std::vector<int> flags;
        for (int k = 1; k <= Setting("NumCust"); ++k) {
            listed += Load(CustomGroupId(k)).m_name;
            flags.push_back(Setting(GroupTag(CustomGroupId(k))));
        }
        EXPECT_EQ(listed, row.listed) << row.files;
        EXPECT_EQ(flags, row.listedFlags) << row.files;
        EXPECT_EQ(app.m_numActCust, int(std::count(flags.begin(), flags.end(), 1))) << row.files;
        EXPECT_FALSE(fs::exists(FactorFile(GroupTag(CustomGroupId(int(listed.size()) + 1))))) << row.files;
    }
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(lock.depth, 0);
}

TEST_F(InventoryCheckTest, ANewProfileKeepsTheGroupsItFindsAndBuildsOnlyTheRest)
{
    // What an earlier installation left: an edited Distance, a damaged Mass, two custom groups
    // and a third after a gap, which is not taken.
    StartFresh();
    CConversion group = Load(4104);
    group.m_name = "My distances";
    ASSERT_TRUE(SaveFactorFile(group, FactorFile("Dist"), replacer));
    WriteBytes(FactorFile("Mass"), std::string(7336, '\0'));
    group.m_name = "Mine";
    ASSERT_TRUE(SaveFactorFile(group, FactorFile("Cust01"), replacer));
    ASSERT_TRUE(SaveFactorFile(group, FactorFile("Cust02"), replacer));
    ASSERT_TRUE(SaveFactorFile(group, FactorFile("Cust04"), replacer));
    settings = MemorySettingsStore();
    progress.lines.clear();

    Check();
    EXPECT_EQ(Load(4104).m_name, "My distances");
    EXPECT_EQ(Load(4105).m_unitCount, 18);
    EXPECT_EQ(progress.lines, std::vector<std::string>{"Mass conversions being added."});
    EXPECT_EQ(Setting("Conv02"), 1);
    EXPECT_EQ(Setting("NumStd"), 15);
    EXPECT_EQ(Setting("NumCust"), 2);
    EXPECT_EQ(Setting("NumActCust"), 2);
    EXPECT_EQ(Setting("Cust01"), 1);
    EXPECT_EQ(Setting("Cust02"), 1);
    EXPECT_EQ(app.m_enabledCount, 17);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(InventoryCheckTest, FilesThatCannotBeSavedAreReportedOnceWithTheirFolder)
{
    replacer.fault = ReplaceFault::DiskFull;
    Check();
    replacer.fault = ReplaceFault::None;
    ASSERT_EQ(messages.shown.size(), 1u);
    const std::string& text = messages.shown[0].text;
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Warning);
    EXPECT_NE(text.find(FactorFile("Dist") + "\n"), std::string::npos);
    EXPECT_NE(text.find(FactorFile("Acce") + "\n"), std::string::npos);
    EXPECT_FALSE(fs::exists(FactorFile("Dist")));

    // A read-only file the user protected is named as such and left alone.
    messages.shown.clear();
    WriteBytes(FactorFile("Dist"), "mine");
    fs::permissions(FactorFile("Dist"), fs::perms::owner_read);
    Check();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].text.find(FactorFile("Dist") + " (read-only)"), std::string::npos);
    EXPECT_EQ(ReadBytes(FactorFile("Dist")), "mine");
}

TEST_F(InventoryCheckTest, TemporaryFilesOfAnInterruptedSaveAreRemoved)
{
    StartFresh();
    replacer.fault = ReplaceFault::KilledBeforeRename;
    EXPECT_FALSE(SaveFactorFile(Load(4104), FactorFile("Dist"), replacer));
    replacer.fault = ReplaceFault::None;
    WriteBytes(FactorFile("Mass") + ".damaged", "kept");
    Check();
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(factorFolder.Path()))
        names.push_back(entry.path().filename().string());
    EXPECT_EQ(names.size(), 15u);
    EXPECT_EQ(Load(4104).m_unitCount, 25);
}

TEST_F(InventoryCheckTest, NegativeCountsAreRewritten)
{
    StartFresh();
    settings.WriteInt("Settings", "NumStd", -4);
    settings.WriteInt("Settings", "NumActCust", -1);
    Check();
    EXPECT_EQ(Setting("NumStd"), 15);
    EXPECT_EQ(Setting("NumActCust"), 0);
}

} // namespace
} // namespace kalvex::testing
