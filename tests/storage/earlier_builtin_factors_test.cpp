#include "core/group_ids.h"
#include "storage/builtin_groups.h"
#include "storage/factor_file.h"
#include "storage/inventory_check.h"
#include "storage_fixture.h"
#include "tests/support/real_disk.h"

namespace kalvex::testing {
namespace {

struct StoredGroup {
    const char* name;
    int groupId;
    int derivations; // how often the user saved it, each save deriving the factors again
    bool factorEdited;
    bool takesTodaysFactors;
};

class EarlierBuiltinFactorsTest : public StorageTest, public ::testing::WithParamInterface<StoredGroup> {};

// A group file an earlier build wrote, which the user then reordered and gave other digits,
// notation and remark, is read by the start-up check: only factors the user never edited give
// way to today's, and nothing else in the file changes.
TEST_P(EarlierBuiltinFactorsTest, StartUpGivesUneditedFactorsTodaysValuesAndKeepsTheRest)
{
    const StoredGroup& row = GetParam();
    CheckGroupInventory(app, progress); // a current installation
    CConversion stored;
    BuildEarlierBuiltinGroup(stored, row.groupId);
    const int n = stored.m_unitCount;
    stored.m_unitOrder = {3, 1, 2};
    stored.m_shownCount = 3;
    stored.m_digits = 13;
    stored.m_scientific = 1;
    stored.m_remark = "Checked against the handbook";
    stored.m_updateDate = "2/29/2024";
    if (row.factorEdited) {
        stored.m_factors[2][0] *= 1.0000001;
        stored.m_factors[0][2] = 1 / stored.m_factors[2][0];
    }
    for (int save = 0; save < row.derivations; ++save)
        DeriveFactors(n, stored.m_factors);
    const std::string file = FactorFileName(app.m_factorPath, row.groupId);
    ASSERT_TRUE(SaveFactorFile(stored, file, RealDisk()));
    const std::string before = ReadBytes(file);

    CheckGroupInventory(app, progress);

    CConversion expected = stored;
    if (row.takesTodaysFactors) {
        CConversion today;
        BuildBuiltinGroup(today, row.groupId);
        expected.m_factors = today.m_factors;
        ASSERT_NE(expected.Serialize(), before);
    }
    // Compared whole, without printing the 7 kB of a mismatch.
    EXPECT_TRUE(ReadBytes(file) == expected.Serialize())
        << (row.takesTodaysFactors ? "not upgraded" : "changed");
    EXPECT_TRUE(messages.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(StoredGroups, EarlierBuiltinFactorsTest,
                         ::testing::Values(StoredGroup{"AsBuilt", 4104, 0, false, true},
                                           StoredGroup{"SavedTwiceAfterOrderChanges", 4106, 2, false, true},
                                           StoredGroup{"FactorEdited", 4104, 1, true, false},
                                           StoredGroup{"MoneyWhoseRatesNeverChanged", 4116, 1, false, false}),
                         [](const ::testing::TestParamInfo<StoredGroup>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
} // namespace kalvex::testing
