#include "core/factors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace kalvex {
namespace {

FactorMatrix WithDiagonal(int n)
{
    FactorMatrix m{};
    for (int i = 0; i < n; ++i)
        m[i][i] = 1.0;
    return m;
}

TEST(DeriveFactors, ChainsThroughTheNeighbouringUnit)
{
    FactorMatrix m = WithDiagonal(3);
    m[1][0] = 1000;
    m[2][0] = 100;
    EXPECT_FALSE(DeriveFactors(3, m).has_value());
    EXPECT_EQ(m[2][1], 100.0 / 1000.0);
    EXPECT_EQ(m[0][1], 0.001);
    EXPECT_EQ(m[0][2], 0.01);
    EXPECT_EQ(m[1][2], 10.0);
}

TEST(DeriveFactors, LinksNeighboursThroughALaterRow)
{
    FactorMatrix m = WithDiagonal(3);
    m[2][0] = 3.0;
    m[2][1] = 7.0;
    EXPECT_FALSE(DeriveFactors(3, m).has_value());
    EXPECT_EQ(m[1][0], 3.0 / 7.0);
    EXPECT_EQ(m[0][1], 1.0 / (3.0 / 7.0));
}

TEST(DeriveFactors, KnownUpperEntryWins)
{
    FactorMatrix m = WithDiagonal(2);
    m[0][1] = 2;
    m[1][0] = 3;
    EXPECT_FALSE(DeriveFactors(2, m).has_value());
    EXPECT_EQ(m[1][0], 0.5);
    EXPECT_EQ(m[0][1], 2.0);
}

TEST(DeriveFactors, TwoUnitsWithoutAFactorAreNotReported)
{
    FactorMatrix m = WithDiagonal(2);
    EXPECT_FALSE(DeriveFactors(2, m).has_value());
    EXPECT_EQ(m[0][1], 0.0);
    EXPECT_EQ(m[1][0], 0.0);
}

TEST(DeriveFactors, ReportsTheFirstZeroRowByRow)
{
    FactorMatrix m = WithDiagonal(4);
    m[1][0] = 2;
    m[2][0] = 4;
    const auto pair = DeriveFactors(4, m);
    ASSERT_TRUE(pair.has_value());
    EXPECT_EQ(pair->row, 0);
    EXPECT_EQ(pair->column, 3);
    EXPECT_EQ(m[3][0], 0.0);
    EXPECT_EQ(m[2][1], 2.0);
}

TEST(DeriveFactors, NegativeZeroIsUnknownToo)
{
    FactorMatrix m = WithDiagonal(3);
    m[1][0] = 1000;
    m[2][0] = 100;
    m[2][1] = -0.0;
    m[0][2] = -0.0;
    EXPECT_FALSE(DeriveFactors(3, m).has_value());
    EXPECT_EQ(m[2][1], 0.1);
}

TEST(DeriveFactors, ThirtyUnitsFromTheFirstColumnGiveExactReciprocals)
{
    FactorMatrix m = WithDiagonal(30);
    for (int r = 1; r < 30; ++r)
        m[r][0] = std::pow(1.7, r);
    EXPECT_FALSE(DeriveFactors(30, m).has_value());
    for (int r = 0; r < 30; ++r) {
        for (int c = 0; c < r; ++c) {
            ASSERT_NE(m[r][c], 0.0) << r << "," << c;
            EXPECT_EQ(m[c][r], 1.0 / m[r][c]);
            EXPECT_NEAR(m[r][c], std::pow(1.7, r - c), std::pow(1.7, r - c) * 1e-12);
        }
    }
    // Rows and columns beyond the units stay untouched.
    FactorMatrix small = WithDiagonal(3);
    small[1][0] = 2;
    small[5][4] = 7;
    DeriveFactors(3, small);
    EXPECT_EQ(small[4][5], 0.0);
}

TEST(DeriveFactors, UnderflowingLinkNeverYieldsAnInfinity)
{
    FactorMatrix m = WithDiagonal(4);
    m[2][0] = 1e-300;
    m[2][1] = 1e300; // the link M[1][0] underflows to 0
    m[3][0] = 5;
    DeriveFactors(4, m);
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c)
            EXPECT_TRUE(std::isfinite(m[r][c])) << r << "," << c;
    }
}

// Units a, b = 1e300 a and c = 1e-300 a: b to c is 1e600, beyond any double.
FactorMatrix FarApartUnits()
{
    FactorMatrix m = WithDiagonal(3);
    m[1][0] = 1e300;
    m[2][0] = 1e-300;
    return m;
}

TEST(FirstUnrepresentableFactor, FindsThePairADerivationLosesToUnderflowOrOverflow)
{
    FactorMatrix m = FarApartUnits();
    DeriveFactors(3, m);
    const auto pair = FirstUnrepresentableFactor(3, m);
    ASSERT_TRUE(pair.has_value());
    EXPECT_EQ(pair->row, 1);
    EXPECT_EQ(pair->column, 2);

    FactorMatrix huge = WithDiagonal(2);
    huge[1][0] = std::numeric_limits<double>::infinity();
    EXPECT_TRUE(FirstUnrepresentableFactor(2, huge).has_value());
    FactorMatrix denormal = WithDiagonal(2);
    denormal[0][1] = 1e-310; // its reciprocal overflows
    EXPECT_TRUE(FirstUnrepresentableFactor(2, denormal).has_value());
}

TEST(FirstUnrepresentableFactor, AcceptsWideButSoundFactorsAndUnrelatedUnits)
{
    FactorMatrix m = WithDiagonal(4);
    m[1][0] = 1e300;
    m[2][0] = 1e8;
    DeriveFactors(4, m); // unit 3 is related to nothing: unknown, not out of range
    EXPECT_FALSE(FirstUnrepresentableFactor(4, m).has_value());
    // Units beyond n are not looked at.
    FactorMatrix beyond = FarApartUnits();
    beyond[5][5] = std::numeric_limits<double>::infinity();
    EXPECT_FALSE(FirstUnrepresentableFactor(2, beyond).has_value());
}

TEST(FillRowThroughFirstUnit, ComputesTheRowAndItsReciprocals)
{
    FactorMatrix m = WithDiagonal(3);
    m[0][1] = 0.001;
    m[0][2] = 0.01;
    m[2][0] = 100;
    m[1][0] = 1000;
    FillRowThroughFirstUnit(3, 2, m);
    EXPECT_EQ(m[2][1], 100 * 0.001);
    EXPECT_EQ(m[1][2], 1.0 / (100 * 0.001));
    EXPECT_EQ(m[2][2], 1.0);
    EXPECT_EQ(m[2][0], 100.0);
}

TEST(FillRowThroughFirstUnit, FirstUnitRecomputesOnlyReciprocals)
{
    FactorMatrix m = WithDiagonal(3);
    m[0][1] = 4;
    m[0][2] = 8;
    m[1][0] = 99;
    FillRowThroughFirstUnit(3, 0, m);
    EXPECT_EQ(m[0][1], 4.0);
    EXPECT_EQ(m[1][0], 0.25);
    EXPECT_EQ(m[2][0], 0.125);
}

TEST(FillRowThroughFirstUnit, ZeroFactorLeavesTheReciprocalAlone)
{
    FactorMatrix m = WithDiagonal(3);
    m[0][1] = 4;
    m[1][2] = 6;
    FillRowThroughFirstUnit(3, 2, m); // M[2][0] unknown
    EXPECT_EQ(m[2][1], 0.0);
    EXPECT_EQ(m[1][2], 6.0);
}

TEST(ConvertValue, MultipliesAndFillsAMissingFactorThroughTheFirstUnit)
{
    FactorMatrix m = WithDiagonal(3);
    m[1][0] = 1000;
    m[0][2] = 0.01;
    EXPECT_EQ(ConvertValue(12, 0, 1, 3, m), 12000.0);
    EXPECT_EQ(ConvertValue(12, 2, 2, 3, m), 12.0);
    EXPECT_EQ(ConvertValue(12, 2, 1, 3, m), 12 * (1000 * 0.01));
    EXPECT_EQ(m[2][1], 1.0 / (1000 * 0.01));
}

TEST(ConvertValue, UnknownFactorGivesZeroEvenForAnInfiniteValue)
{
    FactorMatrix m = WithDiagonal(3);
    EXPECT_EQ(ConvertValue(5, 0, 2, 3, m), 0.0);
    const double result = ConvertValue(-INFINITY, 1, 2, 3, m);
    EXPECT_EQ(result, 0.0);
    EXPECT_FALSE(std::signbit(result));
    EXPECT_EQ(ConvertValue(5, 0, 30, 3, m), 0.0);
    EXPECT_EQ(ConvertValue(5, -1, 0, 3, m), 0.0);
}

} // namespace
} // namespace kalvex
