#include "core/group_ids.h"
#include "storage/builtin_groups.h"
#include "storage/factor_file.h"
#include "storage/group_building.h"
#include "storage_fixture.h"

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace kalvex::testing {
namespace {

std::vector<std::string> Lines(std::string_view text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string_view::npos; start = end + 2)
        lines.emplace_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "text must end with CR LF";
    return lines;
}

TEST(FactorTableTextTest, EveryTableHasOneLinePerUnitAfterTheFirstAndTheClosingLine)
{
    for (int id = kFirstFactorGroupId; id <= kAccelerationId; ++id) {
        const std::string tag = BuiltinGroupTag(id);
        const std::string_view text = FactorTableText(tag + "Rows");
        ASSERT_FALSE(text.empty()) << tag;
        const auto lines = Lines(text);
        const int units = std::stoi(LoadString(64 * (id - 4104) + 160));
        ASSERT_EQ(int(lines.size()), units) << tag;
        EXPECT_EQ(lines.back(), "\\\\") << tag;
        for (int j = 1; j < units; ++j) {
            const auto tokens = SplitTokens(lines[std::size_t(j) - 1], ',');
            ASSERT_EQ(int(tokens.size()), j) << tag << " line " << j;
            EXPECT_EQ(lines[std::size_t(j) - 1].find(' '), std::string::npos);
            // Every later entry is the quotient of the first entries, to 13 significant digits.
            const double first = ParseFactor(tokens[0]);
            for (int k = 1; k < j; ++k) {
                const auto otherLine = SplitTokens(lines[std::size_t(k) - 1], ',');
                const double expected = first / ParseFactor(otherLine[0]);
                EXPECT_NEAR(ParseFactor(tokens[std::size_t(k)]) / expected, 1.0, 6e-13)
                    << tag << " line " << j << " entry " << k;
            }
        }
    }
}

TEST(FactorTableTextTest, EntriesKeepTheShortFormWhereItReadsBackExactly)
{
    const auto distance = Lines(FactorTableText("DISTROWS"));
    EXPECT_EQ(distance[0], "10000000000");
    EXPECT_EQ(distance[1], "6.684587122268445e-012,6.684587122268445e-022");
    EXPECT_EQ(distance[2], "100,1e-008,1.495978707e+013");
    EXPECT_EQ(Lines(FactorTableText("anglrows"))[1], "3437.746770784939,60");
    const auto money = Lines(FactorTableText("MonyRows"));
    EXPECT_EQ(money[8], "1.3872,0.8429752066116,2.109168313821,0.01347384779758,1.003762662808,"
                        "0.2471581798097,0.7522776572668,0.0008700506149687,0.4109613390609");
    EXPECT_EQ(Lines(FactorTableText("AcceRows"))[1], "3.6,0.036");
    EXPECT_TRUE(FactorTableText("TempRows").empty());
}

TEST(FactorTableTextTest, EarlierTablesAreTheFirstPublishedOnes)
{
    const auto distance = Lines(EarlierFactorTableText("DISTROWS"));
    EXPECT_EQ(distance[1], "6.684585813e-012,6.684585813e-022");
    EXPECT_EQ(distance[23].substr(0, 17), "1.7998560167e-004");
    EXPECT_EQ(Lines(EarlierFactorTableText("anglrows"))[1], "3437.746873,59.99999311642");
    EXPECT_EQ(Lines(EarlierFactorTableText("AcceRows"))[4],
              "0.101971621,0.00101971621,0.02832545027778,0.00259007917341,0.03108095008092");
    EXPECT_EQ(EarlierFactorTableText("MonyRows"), FactorTableText("MonyRows"));
}

TEST(StringTableTest, GroupTextsAndUnitBlocks)
{
    EXPECT_EQ(BuiltinGroupTag(4103), "Temp");
    EXPECT_EQ(BuiltinGroupName(4103), "Temperature");
    EXPECT_EQ(BuiltinGroupDescription(4103), "fahrenheit, celsius, kelvin...");
    EXPECT_EQ(BuiltinGroupTag(4106), "Vol");
    EXPECT_EQ(BuiltinGroupName(4117), "Acceleration");
    EXPECT_EQ(BuiltinGroupDescription(4111), "inches of mercury, lbf/in\u00b2, atmospheres...");
    EXPECT_EQ(LoadString(160), "25");
    EXPECT_EQ(LoadString(162), "\u00e5ngstrom,\u00c5");
    EXPECT_EQ(LoadString(11000), "6/13/1994");
    EXPECT_EQ(LoadString(14117), "1,2,3,4,5,6");
    EXPECT_EQ(LoadString(12345), "");
    for (int id = kTemperatureId; id <= kAccelerationId; ++id)
        EXPECT_EQ(BuiltinGroupTag(id), GroupTag(id));
}

class BuiltinGroupTest : public StorageTest {
protected:
    CConversion Create(int id, bool force = false)
    {
        CreateBuiltinGroup(app, id, force, progress, unsaved);
        CConversion loaded;
        EXPECT_TRUE(LoadFactorFile(FactorFileName(app.m_factorPath, id), loaded)) << id;
        return loaded;
    }
};

TEST_F(BuiltinGroupTest, DistanceHasItsUnitsOrderAndFactors)
{
    const CConversion group = Create(4104);
    EXPECT_EQ(group.m_name, "Distance");
    EXPECT_EQ(group.m_description, "inches, feet, meters, light years...");
    EXPECT_EQ(group.m_remark, "None");
    EXPECT_EQ(group.m_updateDate, "Unknown");
    EXPECT_EQ(group.m_unitCount, 25);
    EXPECT_EQ(group.m_shownCount, 15);
    EXPECT_EQ(group.m_digits, 6);
    EXPECT_EQ(group.m_scientific, 0);
    EXPECT_EQ(group.m_showAll, 0);
    const std::vector<int> order{2, 14, 18, 4, 1, 11, 19, 10, 8, 24, 6, 17, 15, 23, 5};
    EXPECT_EQ(std::vector<int>(group.m_unitOrder.begin(), group.m_unitOrder.begin() + 15), order);
    EXPECT_EQ(group.m_unitOrder[15], 0);
    EXPECT_EQ(group.m_units[0], "meter,m");
    EXPECT_EQ(group.m_units[1], "\u00e5ngstrom,\u00c5");
    EXPECT_EQ(group.m_units[24], "league (marine),league");
    EXPECT_EQ(group.m_factors[1][0], 10000000000.0);
    EXPECT_EQ(group.m_factors[0][1], 1.0 / 10000000000.0);
    EXPECT_EQ(group.m_factors[25][0], 0.0);
    EXPECT_EQ(progress.lines, std::vector<std::string>{"Distance conversions being added."});
}

TEST_F(BuiltinGroupTest, EveryGroupIsCompleteAndReciprocal)
{
    for (int id = kFirstFactorGroupId; id <= kAccelerationId; ++id) {
        const CConversion group = Create(id);
        const int n = group.m_unitCount;
        ASSERT_GE(n, 6) << id;
        EXPECT_LE(group.m_shownCount, 15);
        for (int r = 0; r < n; ++r) {
            EXPECT_EQ(group.m_factors[r][r], 1.0);
            EXPECT_FALSE(group.m_units[r].empty());
            for (int c = 0; c < n; ++c) {
                ASSERT_NE(group.m_factors[r][c], 0.0) << id << " " << r << "," << c;
                EXPECT_NEAR(group.m_factors[r][c] * group.m_factors[c][r], 1.0, 1e-12);
            }
        }
        EXPECT_EQ(Setting(EnabledFlagKey(id)), 1);
    }
}

TEST_F(BuiltinGroupTest, MoneyCarriesTheDateOfItsRates)
{
    const CConversion money = Create(4116);
    EXPECT_EQ(money.m_updateDate, "6/13/1994");
    EXPECT_EQ(money.m_units[2], "British pound,\u00a3");
    EXPECT_EQ(money.m_factors[9][8], 0.4109613390609);
}

TEST_F(BuiltinGroupTest, VolumeAndAngle)
{
    const CConversion volume = Create(4106);
    EXPECT_EQ(volume.m_unitCount, 29);
    EXPECT_EQ(volume.m_shownCount, 15);
    EXPECT_DOUBLE_EQ(volume.m_factors[28][0], 1 / (100 * 0.3048 * 0.3048 * 0.3048)); // register tons
    const CConversion angle = Create(4108);
    EXPECT_EQ(angle.m_shownCount, 9);
    EXPECT_DOUBLE_EQ(angle.m_factors[8][0], 1 / (2 * std::numbers::pi)); // revolutions
    EXPECT_EQ(angle.m_factors[0][8], 1.0 / angle.m_factors[8][0]);
    EXPECT_EQ(angle.m_units[1], "degree,\u00b0");
}

TEST_F(BuiltinGroupTest, AStoredDisabledFlagSurvivesUnlessForced)
{
    settings.WriteInt("Settings", "Conv06", 0);
    Create(4108);
    EXPECT_EQ(Setting("Conv06"), 0);
    Create(4108, true);
    EXPECT_EQ(Setting("Conv06"), 1);
}

} // namespace
} // namespace kalvex::testing
