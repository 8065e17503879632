#include "builtin_unit_sizes.h"
#include "core/conversion.h"
#include "core/group_ids.h"
#include "storage/builtin_groups.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

namespace kalvex::testing {
namespace {

constexpr int kMoneyId = 4116;

// One unit in the 13th significant digit of a value: what the windows show at most digits.
double LastShownDigit(double value)
{
    return std::pow(10.0, std::floor(std::log10(std::abs(value))) - 12);
}

double InFirstUnit(const BuiltinUnitSize& size)
{
    return std::strtod(size.inFirstUnit, nullptr);
}

class BuiltinUnitSizeTest : public ::testing::TestWithParam<BuiltinUnitSize> {};

// One of this unit converted into every unit of its group (the group's first unit included), as
// the units' definitions give it to the last of 13 digits.
TEST_P(BuiltinUnitSizeTest, ConvertsAsItsDefinitionGivesIt)
{
    const BuiltinUnitSize& unit = GetParam();
    CConversion group;
    BuildBuiltinGroup(group, unit.groupId);
    const int n = group.m_unitCount;
    int defined = 0;
    for (const BuiltinUnitSize& other : kBuiltinUnitSizes) {
        if (other.groupId != unit.groupId)
            continue;
        ++defined;
        // Money's cross rates are kept as published, not as quotients of the dollar rates.
        if (unit.groupId == kMoneyId && unit.unit != 0 && other.unit != 0)
            continue;
        const double exact = InFirstUnit(unit) / InFirstUnit(other);
        EXPECT_NEAR(ConvertValue(1.0, unit.unit, other.unit, n, group.m_factors), exact,
                    LastShownDigit(exact))
            << "1 " << group.m_units[std::size_t(unit.unit)] << " in "
            << group.m_units[std::size_t(other.unit)];
    }
    EXPECT_EQ(defined, n) << "every unit of the group has a definition";
}

INSTANTIATE_TEST_SUITE_P(EveryBuiltinUnit, BuiltinUnitSizeTest, ::testing::ValuesIn(kBuiltinUnitSizes),
                         [](const ::testing::TestParamInfo<BuiltinUnitSize>& info) {
                             return GroupTag(info.param.groupId) + "_" + std::to_string(info.param.unit + 1);
                         });

} // namespace
} // namespace kalvex::testing
