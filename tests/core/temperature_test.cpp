#include "core/number_text.h"
#include "core/temperature.h"

#include <gtest/gtest.h>

namespace kalvex {
namespace {

struct TemperatureCase {
    double value;
    int scale;
    Temperatures expected; // exact doubles: every operation's order is fixed
};

class ConvertTemperatureTest : public ::testing::TestWithParam<TemperatureCase> {};

TEST_P(ConvertTemperatureTest, GivesEveryScaleToTheLastBit)
{
    const auto& [value, scale, expected] = GetParam();
    const Temperatures result = ConvertTemperature(value, scale);
    EXPECT_EQ(result.fahrenheit, expected.fahrenheit);
    EXPECT_EQ(result.rankine, expected.rankine);
    EXPECT_EQ(result.celsius, expected.celsius);
    EXPECT_EQ(result.kelvin, expected.kelvin);
}

INSTANTIATE_TEST_SUITE_P(
    Scales, ConvertTemperatureTest,
    ::testing::Values(
        TemperatureCase{212, kFahrenheit, {212, 671.6700000000001, 100, 373.15}},
        TemperatureCase{-40, kCelsius, {-40, 419.67, -40, 233.14999999999998}},
        TemperatureCase{0, kKelvin, {-459.67, 0, -273.15, 0}},
        TemperatureCase{0, kRankine, {-459.67, 0, -273.15, 0}},
        TemperatureCase{491.67, kRankine, {32, 491.67, 5.684341886080802e-14, 273.15000000000003}},
        TemperatureCase{-459.67, kFahrenheit, {-459.67, 0, -273.15000000000003, -5.684341886080802e-14}},
        TemperatureCase{37, kCelsius, {98.60000000000001, 558.27, 37, 310.15}},
        // From kelvin, rankine goes through fahrenheit, not x * 1.8.
        TemperatureCase{1, kKelvin, {-457.87, 1.8000000000000114, -272.15, 1}}));

TEST(ConvertTemperature, ResultsReadAsTheWindowsShowThem)
{
    const Temperatures boiling = ConvertTemperature(212, kFahrenheit);
    EXPECT_EQ(FormatResult(boiling.rankine, 6, false), "671.67");
    EXPECT_EQ(FormatResult(boiling.kelvin, 6, false), "373.15");
    const Temperatures zero = ConvertTemperature(-459.67, kFahrenheit);
    EXPECT_EQ(FormatResult(zero.kelvin, 6, false), "-5.68434e-014");
    const Temperatures body = ConvertTemperature(37, kCelsius);
    EXPECT_EQ(FormatResult(body.fahrenheit, 6, false), "98.6");
}

TEST(LowestValue, IsAbsoluteZeroOfEachScale)
{
    EXPECT_EQ(LowestValue(kFahrenheit), -459.67);
    EXPECT_EQ(LowestValue(kRankine), 0.0);
    EXPECT_EQ(LowestValue(kCelsius), -273.15);
    EXPECT_EQ(LowestValue(kKelvin), 0.0);
}

} // namespace
} // namespace kalvex
