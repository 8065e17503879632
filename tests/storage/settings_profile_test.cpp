#include "storage/factor_directory.h"
#include "storage/inventory_check.h"
#include "storage/settings_profile.h"
#include "storage/settings_version.h"
#include "storage_fixture.h"

#include <climits>

namespace kalvex::testing {
namespace {

class MigrationTest : public StorageTest {
protected:
    void WriteLegacySettings(const std::vector<std::string>& lines)
    {
        WriteLegacy("kalvex.ini", lines, "Settings");
    }
};

TEST_F(MigrationTest, LegacyKeysAreCopiedInOrderAndNumStdBecomesFifteen)
{
    WriteLegacySettings({"ConvFilePath=" + factorFolder.Dir(), "ConvVersion=3.5", "ConvLevel=Pro",
                         "NumCust=1", "Conv02=0", "Conv01=0", "NumDigits=9"});
    // Start-up: no ConvFilePath in the profile, one in the legacy file.
    EstablishFactorPath(app);
    EXPECT_EQ(app.m_factorPath, factorFolder.Dir());
    EXPECT_EQ(app.m_firstRun, 0);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(settings.ReadString("Settings", "ConvFilePath", ""), factorFolder.Dir());
    EXPECT_EQ(settings.ReadString("Settings", "ConvVersion", ""), "3.5");
    EXPECT_EQ(settings.ReadString("Settings", "ConvLevel", ""), "Pro");
    EXPECT_EQ(Setting("NumCust"), 1);
    EXPECT_EQ(Setting("NumActCust"), 0);
    EXPECT_EQ(Setting("NumStd"), 35);
    EXPECT_EQ(Setting("NumDigits"), 9);
    EXPECT_EQ(Setting("Scientific"), 0);
    EXPECT_EQ(Setting("Conv02"), 0);
    EXPECT_EQ(Setting("Conv15"), 1);
    EXPECT_FALSE(settings.Has("Settings", "Conv01"));
    EXPECT_EQ(Setting("Cust01"), 1);
    // 3 strings, 5 integers, Conv02..Conv15 and Cust01.
    EXPECT_EQ(settings.writeCount, 3 + 5 + 14 + 1);

    CheckGroupInventory(app, progress);
    EXPECT_EQ(Setting("NumStd"), 15);
    EXPECT_EQ(Setting("Conv01"), 1);
}

TEST_F(MigrationTest, NothingIsMigratedWhenTheProfileHasAPath)
{
    settings.WriteString("Settings", "ConvFilePath", factorFolder.Dir());
    WriteLegacySettings({"ConvFilePath=/elsewhere/", "NumDigits=9"});
    EstablishFactorPath(app);
    EXPECT_EQ(app.m_factorPath, factorFolder.Dir());
    EXPECT_FALSE(settings.Has("Settings", "NumDigits"));
}

TEST_F(MigrationTest, AnEmptyLegacyVersionLeavesAnEmptyProfileValue)
{
    WriteLegacySettings({"ConvFilePath=" + factorFolder.Dir()});
    EstablishFactorPath(app);
    EXPECT_EQ(settings.ReadString("Settings", "ConvVersion", "1.0"), "");
    EXPECT_EQ(StoredSettingsVersion(app), "");
    EXPECT_TRUE(IsEarlierThan352(ParseSettingsVersion(StoredSettingsVersion(app))));
}

TEST_F(MigrationTest, StoredVersionFallsBackToTheLegacyFileOnlyForTheDefault)
{
    WriteLegacySettings({"ConvVersion=3.5.2"});
    EXPECT_EQ(StoredSettingsVersion(app), "3.5.2");
    settings.WriteString("Settings", "ConvVersion", "1.0");
    EXPECT_EQ(StoredSettingsVersion(app), "3.5.2");
    settings.WriteString("Settings", "ConvVersion", "3.4");
    EXPECT_EQ(StoredSettingsVersion(app), "3.4");
    legacyFolder.Write("kalvex.ini", "");
    settings.WriteString("Settings", "ConvVersion", "1.0");
    EXPECT_EQ(StoredSettingsVersion(app), "1.0");
}

struct VersionCase {
    const char* text;
    int major, minor, patch;
    bool earlier;
};

class SettingsVersionTest : public ::testing::TestWithParam<VersionCase> {};

TEST_P(SettingsVersionTest, ParsesAndCompares)
{
    const VersionCase& c = GetParam();
    const SettingsVersion v = ParseSettingsVersion(c.text);
    EXPECT_EQ(v.major, c.major);
    EXPECT_EQ(v.minor, c.minor);
    EXPECT_EQ(v.patch, c.patch);
    EXPECT_EQ(IsEarlierThan352(v), c.earlier);
}

INSTANTIATE_TEST_SUITE_P(
    Versions, SettingsVersionTest,
    ::testing::Values(VersionCase{"3.5.2", 3, 5, 2, false}, VersionCase{"3.5.10", 3, 5, 10, false},
                      VersionCase{"3.6", 3, 6, 0, false}, VersionCase{"4", 4, 0, 0, false},
                      VersionCase{"3.5.1", 3, 5, 1, true}, VersionCase{"3.5", 3, 5, 0, true},
                      VersionCase{"3.4.9", 3, 4, 9, true}, VersionCase{"1.0", 1, 0, 0, true},
                      VersionCase{"", 0, 0, 0, true}, VersionCase{"abc", 0, 0, 0, true},
                      VersionCase{"3..5...2", 3, 5, 2, false}, VersionCase{" 3.5x.-2", 3, 5, -2, true},
                      VersionCase{"99999999999.1", 2147483647, 1, 0, false}));

TEST(SettingsTableTest, GroupFlagKeysAndDefaults)
{
    MemorySettingsStore store;
    EXPECT_EQ(ReadSetting(store, profile::GroupEnabledSetting(4103)), 1);
    EXPECT_EQ(ReadSetting(store, profile::GroupEnabledOrMissingSetting(4117)), 2);
    EXPECT_EQ(profile::GroupEnabledSetting(4117).key, "Conv15");
    EXPECT_EQ(profile::GroupEnabledSetting(4118).key, "Cust01");
    EXPECT_EQ(ReadSetting(store, profile::kConvVersion), "1.0");
    WriteSetting(store, profile::kConvVersion, "");
    EXPECT_EQ(ReadSetting(store, profile::kConvVersion), "");
}

// A damaged or hand-edited profile can hold any 32-bit value; readers must never do arithmetic
// on it unchecked.
TEST(SettingsTableTest, AbsurdCountsAndEdgesAreReadWithinWhatCanExist)
{
    MemorySettingsStore store;
    store.WriteInt("Settings", "NumStd", INT_MAX);
    store.WriteInt("Settings", "NumCust", INT_MAX);
    store.WriteInt("Settings", "NumActCust", INT_MAX);
    EXPECT_EQ(ReadSetting(store, profile::kNumStd), 15);
    EXPECT_EQ(ReadSetting(store, profile::kNumCust), kMaxCustomGroups);
    EXPECT_EQ(ReadSetting(store, profile::kNumCustOrMissing), kMaxCustomGroups);
    EXPECT_EQ(ReadSetting(store, profile::kNumActCust), kMaxCustomGroups);
    EXPECT_EQ(ReadSetting(store, profile::kNumActCustOrMissing), kMaxCustomGroups);
    // Negative counts still reach the inventory check, which rewrites them.
    store.WriteInt("Settings", "NumStd", INT_MIN);
    EXPECT_EQ(ReadSetting(store, profile::kNumStd), INT_MIN);

    store.WriteInt("Frame", "Top", INT_MIN);
    store.WriteInt("Frame", "Bottom", INT_MAX);
    const int top = ReadSetting(store, profile::kFrameTop);
    const int bottom = ReadSetting(store, profile::kFrameBottom);
    EXPECT_EQ(top, -profile::kMaxScreenCoordinate);
    EXPECT_EQ(bottom, profile::kMaxScreenCoordinate);
    EXPECT_GT(static_cast<long long>(bottom) - top, 0);
    EXPECT_LE(static_cast<long long>(bottom) - top, INT_MAX);
}

TEST_F(MigrationTest, AbsurdStoredCountsGiveTheGroupsThatExist)
{
    CheckGroupInventory(app, progress); // builds the fourteen files
    settings.WriteInt("Settings", "NumStd", INT_MAX);
    settings.WriteInt("Settings", "NumActCust", INT_MAX);
    CheckGroupInventory(app, progress);
    EXPECT_EQ(app.m_numStd, 15);
    EXPECT_EQ(app.m_numActCust, 0); // there is no custom group to enable
    EXPECT_EQ(app.m_enabledCount, 15);
}

} // namespace
} // namespace kalvex::testing
