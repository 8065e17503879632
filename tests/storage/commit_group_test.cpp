#include "core/group_ids.h"
#include "platform/services.h"
#include "platform/testing/fixed_clock.h"
#include "platform/testing/memory_settings_store.h"
#include "storage/factor_file.h"
#include "tests/support/real_disk.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

namespace kalvex {
namespace {

constexpr int kDistance = 4104;

class ConversionCommit : public ::testing::Test {
protected:
    ConversionCommit()
    {
        group.m_unitCount = 2;
        group.m_shownCount = 2;
        group.m_units[0] = "meter,m";
        group.m_units[1] = "foot,ft";
        group.m_updateDate = "Unknown";
        services.settings = &settings;
        services.clock = &clock;
        services.replacer = &testing::RealDisk();
    }

    CConversion Reloaded(int groupId) const
    {
        CConversion loaded;
        EXPECT_TRUE(LoadFactorFile(FactorFileName(folder.Dir(), groupId), loaded));
        return loaded;
    }

    testing::TempFolder folder;
    testing::MemorySettingsStore settings;
    testing::FixedClock clock{{2027, 1, 5}};
    Services services;
    CConversion group;
};

TEST_F(ConversionCommit, StampsTheDateSavesTheFileAndMarksTheTagKey)
{
    CommitGroup(group, kDistance, 2, folder.Dir(), services);
    EXPECT_EQ(group.m_updateDate, "1/5/2027");
    EXPECT_EQ(Reloaded(kDistance).m_updateDate, "1/5/2027");
    EXPECT_TRUE(std::filesystem::exists(folder.Path() / "Dist.fsf"));
    EXPECT_EQ(settings.ReadInt("Settings", "Dist", 0), 1);
    EXPECT_FALSE(settings.Has("Settings", "Conv02"));
}

TEST_F(ConversionCommit, NoUnitsKeepsThePreviousDate)
{
    CommitGroup(group, kDistance, 0, folder.Dir(), services);
    EXPECT_EQ(group.m_updateDate, "Unknown");
    EXPECT_EQ(settings.ReadInt("Settings", "Dist", 0), 1);
}

TEST_F(ConversionCommit, ShownCountIsCappedAtTheUnitCount)
{
    group.m_unitCount = 9;
    group.m_shownCount = 12;
    CommitGroup(group, kDistance, 9, folder.Dir(), services);
    EXPECT_EQ(group.m_shownCount, 9);
    EXPECT_EQ(Reloaded(kDistance).m_shownCount, 9);
}

TEST_F(ConversionCommit, CustomGroupWritesItsTagWhichIsAlsoItsEnabledFlag)
{
    const int custom = CustomGroupId(1);
    CommitGroup(group, custom, 2, folder.Dir(), services);
    EXPECT_TRUE(std::filesystem::exists(folder.Path() / "Cust01.fsf"));
    EXPECT_EQ(settings.ReadInt("Settings", "Cust01", 0), 1);
    EXPECT_EQ(settings.ReadInt("Settings", EnabledFlagKey(custom), 0), 1);
}

TEST_F(ConversionCommit, FailedSaveStillMarksTheGroup)
{
    CommitGroup(group, kDistance, 2, (folder.Path() / "missing" / "").string(), services);
    EXPECT_EQ(settings.ReadInt("Settings", "Dist", 0), 1);
}

} // namespace
} // namespace kalvex
