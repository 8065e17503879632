#include "core/group_ids.h"
#include "ui/editing/group_def_rules.h"

#include <gtest/gtest.h>
#include <vector>

using namespace kalvex;

namespace {

struct NameRow {
    const char* label;
    const char* name;
    int groupId;
    bool creating;
    bool acceptable;
};

class GroupNameTest : public ::testing::TestWithParam<NameRow> {};

TEST_P(GroupNameTest, BlankMeansWhiteSpaceOfAnyScript)
{
    const NameRow& row = GetParam();
    EXPECT_EQ(GroupNameAcceptable(row.name, row.creating, row.groupId), row.acceptable);
}

constexpr int kCustom = CustomGroupId(1);

INSTANTIATE_TEST_SUITE_P(
    Rows, GroupNameTest,
    ::testing::Values(NameRow{"IdeographicSpace", "\u3000", kCustom, false, false},
                      NameRow{"NoBreakSpaceAndTab", "\u00a0\t", kCustom, true, false},
                      NameRow{"LineSeparators", "\u2028\u2029\u0085", kCustom, false, false},
                      NameRow{"ZeroWidthSpaceIsAName", "\u200b", kCustom, false, true},
                      NameRow{"SpacedName", " \u3000Lengths ", kCustom, false, true},
                      NameRow{"StrayContinuationByte", "\xa0", kCustom, false, true},
                      NameRow{"StandardGroupKeepsItsOwn", " ", kFirstFactorGroupId, false, true}),
    [](const auto& info) { return std::string(info.param.label); });

// Units u0.. where unit k is worth againstFirst[k] of unit 0.
GroupWorkingCopy CopyOf(const std::vector<double>& againstFirst)
{
    GroupWorkingCopy copy;
    copy.SetCount(int(againstFirst.size()));
    copy.SetFactor(0, 0, 1.0);
    for (int u = 0; u < copy.Count(); ++u) {
        copy.StoreUnit(u, "u" + std::to_string(u), "s", false);
        if (u > 0)
            copy.PairUpdate(u, 0, againstFirst[std::size_t(u)]);
    }
    return copy;
}

struct FactorRow {
    const char* label;
    std::vector<double> againstFirst;
    FactorEntry entry;
    std::optional<UnstorablePair> unstorable;
};

class FactorFitTest : public ::testing::TestWithParam<FactorRow> {};

TEST_P(FactorFitTest, NamesThePairADoubleCannotHold)
{
    const FactorRow& row = GetParam();
    const GroupWorkingCopy copy = CopyOf(row.againstFirst);
    const bool adding = row.entry.unit >= copy.Count();
    const std::optional<UnstorablePair> found =
        UnstorableFactorAfter(copy, row.entry, copy.Count() + (adding ? 1 : 0));
    ASSERT_EQ(found.has_value(), row.unstorable.has_value());
    if (found) {
        EXPECT_EQ(found->unit, row.unstorable->unit);
        EXPECT_EQ(found->other, row.unstorable->other);
    }
    // The trial leaves the copy it was given alone.
    EXPECT_TRUE(copy == CopyOf(row.againstFirst));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FactorFitTest,
    ::testing::Values(
        // A new unit is named as it would be stored.
        FactorRow{"NewUnitOverflowsThroughAnother",
                  {1.0, 1e-10},
                  {2, 0, 1e300, "huge", "h"},
                  UnstorablePair{"u1", "huge"}},
        FactorRow{"NewUnitWithinRange", {1.0, 1e-10}, {2, 0, 1e200, "big", "b"}, std::nullopt},
        FactorRow{"ChangedUnitOverflowsThroughAnother",
                  {1.0, 2.0, 1e10},
                  {1, 0, 1e-300, "", ""},
                  UnstorablePair{"u1", "u2"}},
        FactorRow{"NegativeFactorsAreCalcs", {1.0, 2.0}, {1, 0, -4.0, "", ""}, std::nullopt}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(FactorFitTest, AStoredFactorOutOfRangeIsNamed)
{
    GroupWorkingCopy copy = CopyOf({1.0, 2.0});
    EXPECT_FALSE(UnstorableFactor(copy));
    copy.SetFactor(1, 0, 1e-320);
    const std::optional<UnstorablePair> found = UnstorableFactor(copy);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->unit, "u1");
    EXPECT_EQ(found->other, "u0");
}

} // namespace
