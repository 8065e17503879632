#include "core/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

namespace kalvex {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

struct EntryCase {
    std::string text;
    double expected;
};

void PrintTo(const EntryCase& entry, std::ostream* out)
{
    *out << '"' << entry.text << '"';
}

class ParseEntryTest : public ::testing::TestWithParam<EntryCase> {};

TEST_P(ParseEntryTest, ReadsTheTypedValue)
{
    EXPECT_EQ(ParseEntry(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Decimals, ParseEntryTest,
    ::testing::Values(EntryCase{"12", 12}, EntryCase{"  7.5  ", 7.5}, EntryCase{"1e3", 1000},
                      EntryCase{"1.5E-2", 0.015}, EntryCase{"+.5", 0.5}, EntryCase{"5.", 5},
                      EntryCase{"12 kg", 12}, EntryCase{"1,5", 1}, EntryCase{"abc", 0}, EntryCase{"1e", 1},
                      EntryCase{"1e+x", 1}, EntryCase{"-", 0}, EntryCase{".", 0}, EntryCase{"\t4", 4},
                      EntryCase{"0.1", 0.1},
                      EntryCase{"123456789012345678901234567890", 1.2345678901234568e29}));

INSTANTIATE_TEST_SUITE_P(Fractions, ParseEntryTest,
                         ::testing::Values(EntryCase{"3/4", 0.75}, EntryCase{"-3/4", -0.75},
                                           EntryCase{"3/4/5", 0.75}, EntryCase{"2/0", 0}, EntryCase{"2/", 0},
                                           EntryCase{"/4", 0}, EntryCase{"1 1/2", 1.5},
                                           EntryCase{"-1 1/2", -0.5}, EntryCase{"2 3/0", 2},
                                           EntryCase{"1 x", 1}, EntryCase{"1 2", 1},
                                           EntryCase{"1   1/2", 1.5}, EntryCase{"3/4 1/2", 0.75}));

// Not numbers: the literal is decimal only.
INSTANTIATE_TEST_SUITE_P(NoLiteral, ParseEntryTest,
                         ::testing::Values(EntryCase{"inf", 0}, EntryCase{"nan", 0}, EntryCase{"0x1A", 0},
                                           EntryCase{"infinity", 0}, EntryCase{"", 0}, EntryCase{"    ", 0},
                                           EntryCase{std::string(1, '\0') + "5", 0}));

INSTANTIATE_TEST_SUITE_P(OutOfRange, ParseEntryTest,
                         ::testing::Values(EntryCase{"1e999", kInf}, EntryCase{"-1e999", -kInf},
                                           EntryCase{"1e-999", 0}, EntryCase{"0.0001e-320", 0},
                                           EntryCase{"1e99999999999999999999", kInf},
                                           EntryCase{"4e-320", 4e-320}));

TEST(ParseEntry, ReadsOnlyTheFirst39Characters)
{
    const std::string spaces(37, ' ');
    EXPECT_EQ(ParseEntry("1" + spaces + "1/2"), 1.0); // cut to "1", spaces, "1"
    EXPECT_EQ(ParseEntry("1" + spaces.substr(2) + "1/2"), 1.5);
    // Characters, not bytes: "µ" takes two bytes and still leaves room for "1/2".
    EXPECT_EQ(ParseEntry("µ" + spaces.substr(2) + "1/2"), 0.5);
    EXPECT_EQ(ParseEntry(std::string(50, '9')), 1e39);
}

TEST(ParseEntry, NegativeZeroFractionDoesNotDivide)
{
    EXPECT_EQ(ParseEntry("5 1/-0"), 5.0);
    EXPECT_EQ(ParseEntry("1/-0"), 0.0);
}

struct CommaCase {
    std::string text;
    char separator;
    double expected;     // when read
    std::string problem; // the start of the refusal, empty when read
};

void PrintTo(const CommaCase& entry, std::ostream* out)
{
    *out << '"' << entry.text << "\" with '" << entry.separator << '\'';
}

class ReadEntryTest : public ::testing::TestWithParam<CommaCase> {};

TEST_P(ReadEntryTest, NeverCutsANumberAtAComma)
{
    const EntryReading reading = ReadEntry(GetParam().text, GetParam().separator);
    EXPECT_EQ(reading.problem.substr(0, GetParam().problem.size()), GetParam().problem);
    EXPECT_EQ(reading.problem.empty(), GetParam().problem.empty());
    if (GetParam().problem.empty()) {
        EXPECT_EQ(reading.value, GetParam().expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Commas, ReadEntryTest,
    ::testing::Values(CommaCase{"1,500", '.', 1500, ""}, CommaCase{"12,345,678.25", '.', 12345678.25, ""},
                      CommaCase{"-1,500 1/2", '.', -1499.5, ""}, CommaCase{"1,500/3", '.', 500, ""},
                      CommaCase{"2,5", '.', 0, "Cannot read \"2,5\": a comma can only"},
                      CommaCase{"1,5000", '.', 0, "Cannot read \"1,5000\""},
                      CommaCase{"1.5,000", '.', 0, "Cannot read \"1.5,000\""}, CommaCase{"2,5", ',', 2.5, ""},
                      CommaCase{"1,500", ',', 1.5, ""}, CommaCase{"2.5", ',', 2.5, ""},
                      CommaCase{"1 1,5/2", ',', 1.75, ""},
                      CommaCase{"1.500,5", ',', 0, "Cannot read \"1.500,5\": a number can have only one"},
                      CommaCase{"1,2,3", ',', 0, "Cannot read \"1,2,3\""},
                      // Commas that are not between digits stay where ParseEntry leaves them.
                      CommaCase{"12, 5", '.', 12, ""}, CommaCase{",5", '.', 0, ""},
                      CommaCase{"7 kg,", ',', 7, ""}));

struct FormatCase {
    double value;
    int digits;
    bool scientific;
    std::string expected;
};

void PrintTo(const FormatCase& format, std::ostream* out)
{
    *out << format.expected;
}

class FormatResultTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatResultTest, WritesTheResultField)
{
    const auto& [value, digits, scientific, expected] = GetParam();
    EXPECT_EQ(FormatResult(value, digits, scientific), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, FormatResultTest,
    ::testing::Values(
        FormatCase{1234.5, 6, false, "1234.5"}, FormatCase{1234.5, 6, true, "1.234500e+003"},
        FormatCase{1.0 / 3, 6, false, "0.333333"}, FormatCase{1.0 / 3, 6, true, "3.333333e-001"},
        FormatCase{0.00001, 6, false, "1e-005"}, FormatCase{123456789, 6, false, "1.23457e+008"},
        FormatCase{1, 6, false, "1"}, FormatCase{1, 6, true, "1.000000e+000"}, FormatCase{0, 6, false, "0"},
        FormatCase{1234567.89, 6, false, "1.23457e+006"}, FormatCase{0.0001234, 6, false, "0.0001234"},
        FormatCase{0.00001234, 6, false, "1.234e-005"}, FormatCase{-1.5, 3, true, "-1.500e+000"},
        FormatCase{1e300, 13, false, "1e+300"}, FormatCase{-2.5e-310, 3, true, "-2.500e-310"},
        FormatCase{999999.5, 6, false, "1e+006"}, FormatCase{0.1 + 0.2, 13, false, "0.3"},
        FormatCase{12345678901234.0, 13, false, "1.234567890123e+013"}));

INSTANTIATE_TEST_SUITE_P(NotFinite, FormatResultTest,
                         ::testing::Values(FormatCase{kInf, 6, false, "inf"},
                                           FormatCase{-kInf, 6, true, "-inf"},
                                           FormatCase{std::nan(""), 6, false, "nan"},
                                           FormatCase{-std::nan(""), 6, true, "nan"}));

struct ShortCase {
    double value;
    int n;
    std::string expected;
};

void PrintTo(const ShortCase& form, std::ostream* out)
{
    *out << form.expected;
}

class ShortFormTest : public ::testing::TestWithParam<ShortCase> {};

TEST_P(ShortFormTest, WritesTheValueBackForTheInputField)
{
    EXPECT_EQ(ShortForm(GetParam().value, GetParam().n), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Examples, ShortFormTest,
                         ::testing::Values(ShortCase{1, 7, "1."}, ShortCase{0, 7, "0."},
                                           ShortCase{2.5, 7, "2.5"}, ShortCase{0.5, 7, "0.5"},
                                           ShortCase{0.05, 7, "5.e-002"}, ShortCase{1234567, 7, "1234567"},
                                           ShortCase{12345678, 7, "1.234568e+007"},
                                           ShortCase{-459.67, 7, "-459.67"},
                                           ShortCase{-459.67, 10, "-459.67"},
                                           ShortCase{19540.33, 10, "19540.33"},
                                           ShortCase{9.99999999, 7, "10."}, ShortCase{1e23, 7, "1.e+023"},
                                           ShortCase{-273.15, 10, "-273.15"}, ShortCase{kInf, 7, "inf"}));

TEST(DigitsLabel, ShowsTheDigitCount)
{
    EXPECT_EQ(DigitsLabel(6), "#.6");
    EXPECT_EQ(DigitsLabel(13), "#.13");
}

// Qt sets the C locale from the environment; a comma locale must change nothing.
TEST(NumberText, IgnoresTheLocale)
{
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
        GTEST_SKIP() << "locale de_DE.UTF-8 is not installed";
    const double parsed = ParseEntry("1.5");
    const std::string fixed = FormatResult(1.5, 6, false);
    const std::string scientific = FormatResult(1234.5, 6, true);
    const std::string shortForm = ShortForm(2.5, 7);
    const double comma = ParseEntry("1,5");
    std::setlocale(LC_ALL, previous.c_str());
    EXPECT_EQ(parsed, 1.5);
    EXPECT_EQ(comma, 1.0);
    EXPECT_EQ(fixed, "1.5");
    EXPECT_EQ(scientific, "1.234500e+003");
    EXPECT_EQ(shortForm, "2.5");
}

} // namespace
} // namespace kalvex
