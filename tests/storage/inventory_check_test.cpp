#include "core/group_ids.h"
#include "storage/inventory_check.h"
#include "storage_fixture.h"

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
        EXPECT_TRUE(group.Load(FactorFileName(app.m_factorPath, id)));
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

TEST_F(InventoryCheckTest, AFileWithFewerThanTwoUnitsSurvivesOnCurrentSettings)
{
    StartFresh();
    CConversion single = Load(4113);
    single.m_unitCount = 1;
    single.m_shownCount = 1;
    ASSERT_TRUE(single.Save(FactorFile("Forc")));
    Check();
    EXPECT_EQ(Load(4113).m_unitCount, 1);
    // Settings of an older 3.x version do not pass the component test: the group is rebuilt.
    settings.WriteString("Settings", "ConvVersion", "3.4.9");
    Check();
    EXPECT_EQ(Load(4113).m_unitCount, 12);
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
    ASSERT_TRUE(custom.Save(FactorFile("Cust01")));
    settings.WriteInt("Settings", "NumCust", 1);
    settings.WriteInt("Settings", "NumActCust", 1);
    Check();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(app.m_numCust, 1);
    EXPECT_EQ(app.m_enabledCount, 16);
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
