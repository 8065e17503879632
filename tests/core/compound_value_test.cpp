#include "core/compound_value.h"

#include <gtest/gtest.h>

#include <vector>

namespace kalvex {
namespace {

const std::vector<CompoundUnit> kFeetInches = {{"ft", 12}, {"in", 0}};
const std::vector<CompoundUnit> kYardsFeetInches = {{"yd", 3}, {"ft", 12}, {"in", 0}};
const std::vector<CompoundUnit> kHoursMinutesSeconds = {{"h", 60}, {"min", 60}, {"s", 0}};
const std::vector<CompoundUnit> kDegreesMinutesSeconds = {{"°", 60}, {"'", 60}, {"''", 0}};

TEST(CompoundValueTest, SplitsIntoWholeUnitsAndCarriesWhatRoundsUp)
{
    struct Row {
        double valueInFirst;
        const std::vector<CompoundUnit>* units;
        int digits;
        const char* expected;
    };
    const Row rows[] = {
        {174 / 30.48, &kFeetInches, 6, "5 ft 8.50394 in"}, // 174 cm = 68.503937... in
        {174 / 30.48, &kFeetInches, 3, "5 ft 8.5 in"},
        {5 + 11.99 / 12, &kFeetInches, 3, "6 ft 0 in"}, // 11.99 in rounds to 12.0 at three digits
        {6 - 1e-13, &kFeetInches, 6, "6 ft 0 in"},      // just under six feet never gives 5 ft 12 in
        {2 + 2.0 / 3 + 11.999 / 36, &kYardsFeetInches, 3, "3 yd 0 ft 0 in"}, // carried twice
        {1 + 30.0 / 60 + 15.0 / 3600, &kHoursMinutesSeconds, 6, "1 h 30 min 15 s"},
        {12 + 30.0 / 60 + 15.0 / 3600, &kDegreesMinutesSeconds, 6, "12° 30' 15''"},
        {0, &kFeetInches, 6, "0 ft 0 in"},
        {-1, &kFeetInches, 6, ""},
        {1e16, &kFeetInches, 6, ""},
    };
    for (const Row& row : rows)
        EXPECT_EQ(CompoundText(row.valueInFirst, *row.units, row.digits), row.expected) << row.valueInFirst;
}

} // namespace
} // namespace kalvex
