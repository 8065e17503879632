#include "core/conversion.h"
#include "core/group_ids.h"
#include "platform/testing/fixed_clock.h"
#include "platform/testing/memory_settings_store.h"
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
    }

    CConversion Reloaded(int groupId) const
    {
        CConversion loaded;
        EXPECT_TRUE(loaded.Load(FactorFileName(folder.Dir(), groupId)));
        return loaded;
    }

    testing::TempFolder folder;
    testing::MemorySettingsStore settings;
    testing::FixedClock clock{{2027, 1, 5}};
    CConversion group;
};

TEST_F(ConversionCommit, StampsTheDateSavesTheFileAndMarksTheTagKey)
{
    group.Commit(kDistance, 2, folder.Dir(), settings, clock);
    EXPECT_EQ(group.m_updateDate, "1/5/2027");
    EXPECT_EQ(Reloaded(kDistance).m_updateDate, "1/5/2027");
    EXPECT_TRUE(std::filesystem::exists(folder.Path() / "Dist.fsf"));
    EXPECT_EQ(settings.ReadInt("Settings", "Dist", 0), 1);
    EXPECT_FALSE(settings.Has("Settings", "Conv02"));
}

TEST_F(ConversionCommit, NoUnitsKeepsThePreviousDate)
{
    group.Commit(kDistance, 0, folder.Dir(), settings, clock);
    EXPECT_EQ(group.m_updateDate, "Unknown");
    EXPECT_EQ(settings.ReadInt("Settings", "Dist", 0), 1);
}

TEST_F(ConversionCommit, ShownCountIsCappedAtTheUnitCount)
{
    group.m_unitCount = 9;
    group.m_shownCount = 12;
    group.Commit(kDistance, 9, folder.Dir(), settings, clock);
    EXPECT_EQ(group.m_shownCount, 9);
    EXPECT_EQ(Reloaded(kDistance).m_shownCount, 9);
}

TEST_F(ConversionCommit, CustomGroupWritesItsTagWhichIsAlsoItsEnabledFlag)
{
    const int custom = CustomGroupId(1);
    group.Commit(custom, 2, folder.Dir(), settings, clock);
    EXPECT_TRUE(std::filesystem::exists(folder.Path() / "Cust01.fsf"));
    EXPECT_EQ(settings.ReadInt("Settings", "Cust01", 0), 1);
    EXPECT_EQ(settings.ReadInt("Settings", EnabledFlagKey(custom), 0), 1);
}

TEST_F(ConversionCommit, FailedSaveStillMarksTheGroup)
{
    group.Commit(kDistance, 2, (folder.Path() / "missing" / "").string(), settings, clock);
    EXPECT_EQ(settings.ReadInt("Settings", "Dist", 0), 1);
}

} // namespace
} // namespace kalvex
