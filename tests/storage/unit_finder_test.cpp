#include "core/group_ids.h"
#include "core/number_text.h"
#include "core/result_lines.h"
#include "core/unit_aliases.h"
#include "storage/builtin_groups.h"
#include "storage/factor_file.h"
#include "storage/settings_profile.h"
#include "storage/unit_catalog.h"
#include "storage_fixture.h"
#include "tests/support/real_disk.h"
#include "tests/support/two_unit_group.h"

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

namespace kalvex::testing {
namespace {

constexpr int kMass = 4105, kVolume = 4106, kPressure = 4111;

// Finds units among the built-in groups, all enabled, as a fresh profile gives them.
class UnitFinderTest : public StorageTest {
protected:
    UnitFinder Finder() const
    {
        return UnitFinder(QueryGroups(LoadEnabledGroups(settings, app.m_factorPath)));
    }

    // The best matches of a query as "name (symbol), Group", the taken one first.
    static std::vector<std::string> Best(const UnitFinder& finder, const std::string& query)
    {
        const FoundUnits found = finder.Find(query);
        std::vector<std::string> labels;
        for (int i = 0; i < found.bestCount; ++i)
            labels.push_back(finder.Label(found.matches[std::size_t(i)]));
        return labels;
    }
    static std::string Taken(const UnitFinder& finder, const std::string& query)
    {
        const FoundUnits found = finder.Find(query);
        return found.taken ? finder.Label(found.matches.front()) : std::string("(none taken)");
    }
};

TEST(SplitQueryTest, ValueIsSplitFromTheUnitTheWayTheEntryFieldReadsIt)
{
    struct Row {
        const char* query;
        const char* value;
        const char* unit;
        double parsed;
    };
    const Row rows[] = {
        {"2 1/2 in", "2 1/2", "in", 2.5},    {"32psi", "32", "psi", 32.0},
        {"3/4 cup", "3/4", "cup", 0.75},     {"psi", "", "psi", 0.0},
        {"-40 F", "-40", "F", -40.0},        {"1.5e3 m", "1.5e3", "m", 1500.0},
        {"  5   sq   ft ", "5", "sq ft", 5}, {".5in", ".5", "in", 0.5},
        {"2 x 3", "2", "x 3", 2.0},          {"12", "12", "", 12.0},
        {"2 1/2", "2 1/2", "", 2.5},         {"erg", "", "erg", 0.0},
    };
    for (const Row& row : rows) {
        const SplitText split = SplitQuery(row.query);
        EXPECT_EQ(split.value, row.value) << row.query;
        EXPECT_EQ(split.unit, row.unit) << row.query;
        EXPECT_DOUBLE_EQ(ParseEntry(split.value), row.parsed) << row.query;
    }
}

TEST_F(UnitFinderTest, EveryBuiltInUnitIsFoundByItsSymbolAndByItsName)
{
    const UnitFinder finder = Finder();
    ASSERT_EQ(finder.Groups().size(), 15u);
    for (const QueryGroup& group : finder.Groups()) {
        for (const QueryUnit& unit : group.units) {
            const std::string label = unit.name + " (" + unit.symbol + "), " + group.name;
            // Alone, ' and '' are feet and inches; the arc's own marks need a degree sign.
            const bool arcMark = unit.symbol.starts_with('\'');
            for (const std::string& query : {arcMark ? "arc" + unit.name : unit.symbol, unit.name}) {
                const auto best = Best(finder, query);
                EXPECT_NE(std::ranges::find(best, label), best.end()) << query << " should find " << label;
            }
        }
    }
}

TEST_F(UnitFinderTest, ValuesInSeveralUnitsOfOneGroupOpenAsTheirSumInTheLargestUnitNamed)
{
    // Expected sums as exact fractions of the unit opened.
    struct Row {
        const char* query;
        const char* opened; // label of the unit the sum opens in
        long long numerator, denominator;
        const char* sum;
    };
    const Row rows[] = {
        {"5'11\"", "foot (ft), Distance", 71, 12, "5 ft 11 in"},
        {"5' 11\"", "foot (ft), Distance", 71, 12, "5 ft 11 in"},
        {"5'11", "foot (ft), Distance", 71, 12, "5 ft 11 in"},
        {"5 ft 11 in", "foot (ft), Distance", 71, 12, "5 ft 11 in"},
        {"5 ft 11.5 in", "foot (ft), Distance", 143, 24, "5 ft 11.5 in"},
        {"5 ft 3 1/2 in", "foot (ft), Distance", 127, 24, "5 ft 3 1/2 in"},
        {"2 ft + 6 in", "foot (ft), Distance", 5, 2, "2 ft 6 in"},
        {"6 lb 4 oz", "pound (lb), Mass", 25, 4, "6 lb 4 oz"},
        {"11 st 3 lb", "pound (lb), Mass", 157, 1, "11 st 3 lb"}, // Mass has no stone
        {"1 gal 2 qt", "gallon (US) (gal), Volume", 3, 2, "1 gal 2 qt"},
        {"1 h 30 min", "hour (h), Time", 3, 2, "1 h 30 min"},
        {"1:30", "hour (h), Time", 3, 2, "1 h 30 min"},
        {"1:30:15", "hour (h), Time", 361, 240, "1 h 30 min 15 s"},
        {"12°30'15\"", "degree (°), Angle", 3001, 240, "12° 30' 15''"},
        {"12d 30m 15s", "degree (°), Angle", 3001, 240, "12° 30' 15''"},
    };
    const UnitFinder finder = Finder();
    for (const Row& row : rows) {
        const FoundUnits found = finder.Find(row.query);
        ASSERT_TRUE(found.taken) << row.query << ": " << found.problem;
        EXPECT_EQ(finder.Label(found.matches.front()), row.opened) << row.query;
        const double expected = double(row.numerator) / double(row.denominator);
        const ValueToOpen value = finder.OpenedValue(found, found.matches.front(), '.');
        EXPECT_NEAR(ParseEntry(value.text), expected, expected * 1e-14) << row.query;
        EXPECT_EQ(found.sum, row.sum) << row.query;
    }
    EXPECT_EQ(finder.Find("5 ft 11 in").sumInReference, "1.8034 m");

    const FoundUnits stones = finder.Find("11 stone");
    ASSERT_TRUE(stones.taken);
    EXPECT_EQ(finder.OpenedValue(stones, stones.matches.front(), '.').text, "154");
    EXPECT_TRUE(finder.Find("5'").primeAsFeet);

    // Refused, naming the part at fault.
    EXPECT_EQ(finder.Find("5 ft 3 kg").problem,
              "Cannot add \"3 kg\" to \"5 ft\": their units are in different groups.");
    EXPECT_EQ(finder.Find("ft 11 in").problem,
              "\"ft\" has no number: type one before each unit, as in 5 ft 11 in.");
    EXPECT_EQ(finder.Find("5 ft 11").problem, "\"11\" has no unit.");
    EXPECT_EQ(finder.Find("5 ft 2,5 in").problem.substr(0, 16), "Cannot read \"2,5");
}

TEST_F(UnitFinderTest, ASharedSymbolListsEveryUnitAndTakesOneOnlyWithinOneGroup)
{
    const UnitFinder finder = Finder();
    EXPECT_EQ(Best(finder, "gal"),
              (std::vector<std::string>{"gallon (US) (gal), Volume", "gallon (Imperial) (gal), Volume"}));
    EXPECT_EQ(Taken(finder, "gal"), "gallon (US) (gal), Volume");
    EXPECT_EQ(Best(finder, "qt").size(), 2u);
    // The plain word's usual meaning comes first, though the window shows the US statute mile.
    EXPECT_EQ(Best(finder, "mi"), (std::vector<std::string>{"mile (international) (mi), Distance",
                                                            "mile (US statute) (mi), Distance"}));
    EXPECT_TRUE(finder.Find("mi").taken);
    // Across groups the user chooses.
    EXPECT_EQ(Best(finder, "oz"),
              (std::vector<std::string>{"ounce (oz), Mass", "ounce (US fluid) (oz), Volume",
                                        "ounce (Imperial fluid) (oz), Volume"}));
    EXPECT_FALSE(finder.Find("oz").taken);
    EXPECT_EQ(Best(finder, "pt").size(), 3u);
    EXPECT_FALSE(finder.Find("pt").taken);
    EXPECT_FALSE(finder.Find("mil").taken); // Distance and Angle
}

TEST_F(UnitFinderTest, PluralsTemperatureSpellingsAndAbbreviationsFindTheirUnit)
{
    const UnitFinder finder = Finder();
    const std::pair<const char*, const char*> rows[] = {
        {"miles", "mile (international) (mi), Distance"},
        {"feet", "foot (ft), Distance"},
        {"inches", "inch (in), Distance"},
        {"centuries", "century (century), Time"},
        {"Miles per Hour", "mile per hour (mi/h), Velocity"},
        {"gallons", "gallon (US) (gal), Volume"},
        {"C", "celsius (°C), Temperature"},
        {"°C", "celsius (°C), Temperature"},
        {"celsius", "celsius (°C), Temperature"},
        {"degrees Celsius", "celsius (°C), Temperature"},
        {"F", "fahrenheit (°F), Temperature"},
        {"K", "kelvin (K), Temperature"},
        {"R", "rankine (°R), Temperature"},
        {"32 psi", "pound force per square inch (lbf/in²), Pressure"},
        {"mph", "mile per hour (mi/h), Velocity"},
        {"kph", "kilometer per hour (km/h), Velocity"},
        {"lbs", "pound (lb), Mass"},
        {"cc", "cubic centimeter (cm³), Volume"},
        {"kwh", "kilowatthour (kWh), Energy"},
        {"10 sq ft", "square foot (ft²), Area"},
    };
    for (const auto& [query, label] : rows)
        EXPECT_EQ(Taken(finder, query), label) << query;
}

enum class Outcome { Taken, Choice, Suggestion, Nothing };

struct QueryRow {
    const char* query;
    Outcome outcome;
    const char* first; // the first match listed; empty for Nothing
};

void PrintTo(const QueryRow& row, std::ostream* out)
{
    *out << row.query;
}

class FinderQueryTest : public UnitFinderTest, public ::testing::WithParamInterface<QueryRow> {};

TEST_P(FinderQueryTest, TakesOnlyWhatWasMeantAndOffersTheRest)
{
    const QueryRow& row = GetParam();
    const UnitFinder finder = Finder();
    const FoundUnits found = finder.Find(row.query);
    const Outcome outcome = found.matches.empty() ? Outcome::Nothing
                            : found.suggested     ? Outcome::Suggestion
                            : found.taken         ? Outcome::Taken
                                                  : Outcome::Choice;
    EXPECT_EQ(outcome, row.outcome);
    EXPECT_EQ(found.matches.empty() ? "" : finder.Label(found.matches.front()), row.first);
}

INSTANTIATE_TEST_SUITE_P(
    Queries, FinderQueryTest,
    ::testing::Values(
        // Symbols keep their case and match whole; a case-only match is offered, never taken.
        QueryRow{"1 mW", Outcome::Suggestion, "megawatt (MW), Power"}, QueryRow{"1 nm", Outcome::Nothing, ""},
        QueryRow{"1 Mbar", Outcome::Suggestion, "millibar (mbar), Pressure"},
        QueryRow{"KM", Outcome::Suggestion, "kilometer (km), Distance"},
        QueryRow{"usd", Outcome::Suggestion, "US dollar ($), Money"},
        // Names stay blind to case; their beginnings are only offered.
        QueryRow{"MILE", Outcome::Taken, "mile (international) (mi), Distance"},
        QueryRow{"kilom", Outcome::Suggestion, "kilometer (km), Distance"},
        // Plain words mean what today's standards mean.
        QueryRow{"1 mile", Outcome::Taken, "mile (international) (mi), Distance"},
        QueryRow{"hp", Outcome::Taken, "horsepower (550 ft·lbf/s) (hp), Power"},
        QueryRow{"cal", Outcome::Taken, "calorie (therm) (cal), Energy"},
        QueryRow{"Btu", Outcome::Taken, "British thermal unit (int'l) (Btu), Energy"},
        QueryRow{"Btu/h", Outcome::Taken, "Btu (int'l) per hour (Btu/h), Power"},
        QueryRow{"gallon", Outcome::Taken, "gallon (US) (gal), Volume"},
        QueryRow{"pint", Outcome::Taken, "pint (US fluid) (pt), Volume"},
        QueryRow{"ton", Outcome::Choice, "ton (short) (ton), Mass"},
        QueryRow{"t", Outcome::Taken, "ton (metric) (t), Mass"},
        // ISO codes find the currencies.
        QueryRow{"USD", Outcome::Taken, "US dollar ($), Money"},
        QueryRow{"5 DEM", Outcome::Taken, "German mark (DM), Money"},
        // ASCII forms of symbols.
        QueryRow{"9.8 m/s2", Outcome::Taken, "meter per second² (m/s²), Acceleration"},
        QueryRow{"m/s^2", Outcome::Taken, "meter per second² (m/s²), Acceleration"},
        QueryRow{"cm3", Outcome::Taken, "cubic centimeter (cm³), Volume"},
        QueryRow{"um", Outcome::Taken, "micrometer (µm), Distance"},
        QueryRow{"uL", Outcome::Taken, "microliter (µL), Volume"},
        QueryRow{"90 deg", Outcome::Taken, "degree (°), Angle"},
        QueryRow{"-40 degC", Outcome::Taken, "celsius (°C), Temperature"},
        QueryRow{"cmH2O", Outcome::Taken, "centimeter of water (4°C) (cmH2O), Pressure"},
        QueryRow{"M3", Outcome::Suggestion, "cubic meter (m³), Volume"}));

TEST_F(UnitFinderTest, EveryPreferredUnitAndAliasNamesABuiltInUnit)
{
    const UnitFinder finder = Finder();
    const auto exists = [&](int groupId, std::string_view name) {
        const auto group = std::ranges::find(finder.Groups(), groupId, &QueryGroup::groupId);
        return group != finder.Groups().end() &&
               std::ranges::find(group->units, name, &QueryUnit::name) != group->units.end();
    };
    for (const PreferredUnit& preferred : PreferredUnits())
        EXPECT_TRUE(exists(preferred.groupId, preferred.unitName)) << preferred.unitName;
    for (const UnitAlias& alias : UnitAliases())
        EXPECT_TRUE(exists(alias.groupId, alias.unitName)) << alias.spelling;
}

TEST_F(UnitFinderTest, ExactMatchesComeBeforeLooserOnesAndNothingIsFoundForNoUnit)
{
    const UnitFinder finder = Finder();
    // "m" is the meter's symbol; units whose names start with m are only listed after it.
    const FoundUnits meter = finder.Find("m");
    ASSERT_GT(meter.matches.size(), 1u);
    EXPECT_EQ(meter.bestCount, 1);
    EXPECT_EQ(meter.matches.back().kind, MatchKind::NamePrefix);
    // The symbol comparison keeps case: "K" is kelvin, "k" only begins names.
    EXPECT_NE(Taken(finder, "k"), "kelvin (K), Temperature");
    EXPECT_TRUE(finder.Find("12").matches.empty());
    const FoundUnits unknown = finder.Find("3 zorkmid");
    EXPECT_TRUE(unknown.matches.empty());
    EXPECT_FALSE(unknown.taken);
    EXPECT_EQ(finder.ClosestNames("metre", 2).front(), "meter");
}

TEST_F(UnitFinderTest, GroupsComeFromTheProfileAndTheirFilesWithTheBuiltInTablesAsFallback)
{
    // Mass is disabled, Volume renamed in its file, Pressure's file damaged, three custom groups
    // of which the second is disabled.
    WriteSetting(settings, profile::GroupEnabledSetting(kMass), 0);
    CConversion volume;
    BuildBuiltinGroup(volume, kVolume);
    volume.m_name = "Liquids";
    ASSERT_TRUE(SaveFactorFile(volume, FactorFile("Vol"), RealDisk()));
    factorFolder.Write("Pres.fsf", "damaged");
    ASSERT_TRUE(SaveFactorFile(TwoUnitGroup("Cooking", "cup,cup", "stick of butter,stick"),
                               FactorFile("Cust01"), RealDisk()));
    ASSERT_TRUE(
        SaveFactorFile(TwoUnitGroup("Workshop", "board,bd", "plank,pk"), FactorFile("Cust02"), RealDisk()));
    ASSERT_TRUE(SaveFactorFile(TwoUnitGroup("Roman", "Roman foot,pes", "Roman half foot,semipes"),
                               FactorFile("Cust03"), RealDisk()));
    ASSERT_TRUE(SaveFactorFile(TwoUnitGroup("Charge", "coulomb,C", "ampere hour,Ah"), FactorFile("Cust04"),
                               RealDisk()));
    WriteSetting(settings, profile::kNumCust, 4);
    WriteSetting(settings, profile::GroupEnabledSetting(CustomGroupId(2)), 0);

    const UnitFinder finder = Finder();
    EXPECT_EQ(finder.Groups().back().name, "Charge");
    EXPECT_EQ(Taken(finder, "3 semipes"), "Roman half foot (semipes), Roman");
    EXPECT_TRUE(finder.Find("bd").matches.empty());
    EXPECT_EQ(Taken(finder, "lbs"), "(none taken)");
    EXPECT_EQ(Taken(finder, "gallons"), "gallon (US) (gal), Liquids");
    EXPECT_EQ(Taken(finder, "psi"), "pound force per square inch (lbf/in²), Pressure");
    EXPECT_EQ(Taken(finder, "stick"), "stick of butter (stick), Cooking");
    // The user's own cup and the US cup share a symbol in two groups; so do the coulomb and C,
    // which stands for the celsius scale as a symbol would.
    EXPECT_FALSE(finder.Find("cup").taken);
    EXPECT_FALSE(finder.Find("20 C").taken);
}

TEST_F(UnitFinderTest, ResultLinesAreTheRowsTheWindowShows)
{
    std::vector<CatalogGroup> groups = LoadEnabledGroups(settings, app.m_factorPath);
    auto pressure = std::ranges::find(groups, kPressure, &CatalogGroup::groupId);
    ASSERT_NE(pressure, groups.end());
    const int psi = 22; // pound force per square inch
    const std::vector<int> shown = ShownUnits(pressure->group);
    const std::vector<ResultLine> lines =
        GroupRows(pressure->group, "Pressure", shown, psi, 32.0, {6, false}).lines;
    ASSERT_EQ(lines.size(), 15u);
    EXPECT_EQ(ResultLinesText({lines[0]}), "pascal\t220632\tPa\n");
    const auto psiLine =
        std::ranges::find(lines, std::string("pound force per square inch"), &ResultLine::name);
    ASSERT_NE(psiLine, lines.end());
    EXPECT_EQ(psiLine->value, "32");
    EXPECT_EQ(GroupRows(pressure->group, "Pressure", shown, psi, 32.0, {3, true}).lines[0].value,
              "2.206e+005");

    const auto celsius = TemperatureRows(2, 100.0, {6, false}).lines;
    EXPECT_EQ(ResultLinesText(celsius), "fahrenheit\t212\t°F\nrankine\t671.67\t°R\ncelsius\t100\t°C\n"
                                        "kelvin\t373.15\tK\n");

    // Refused: below the minimum, and a value or a result too large for a number.
    EXPECT_EQ(GroupRows(pressure->group, "Pressure", shown, psi, -5.0, {}).refusal,
              "pressure less than minimum of 0.000000");
    EXPECT_EQ(GroupRows(pressure->group, "Pressure", shown, psi, 1e306, {}).refusal, kValueTooLargeText);
    EXPECT_EQ(GroupRows(pressure->group, "Pressure", shown, psi, std::numeric_limits<double>::infinity(), {})
                  .refusal,
              kValueTooLargeText);
    EXPECT_EQ(TemperatureRows(3, -1.0, {}).refusal, kBelowAbsoluteZeroText);
    EXPECT_TRUE(TemperatureRows(2, -273.15, {}).refusal.empty());
    EXPECT_EQ(TemperatureRows(2, 1e308, {}).refusal, kValueTooLargeText);
}

} // namespace
} // namespace kalvex::testing
