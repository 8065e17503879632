// Every factor of the library groups checked against the units' definitions, worked out here
// independently of the script that wrote the files.
#include "core/conversion.h"
#include "storage/factor_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>

namespace kalvex {
namespace {

using Sizes = std::map<std::string, long double>; // symbol -> size in the group's base quantity

constexpr long double kInch = 0.0254L;
constexpr long double kFoot = 12 * kInch;
constexpr long double kMile = 5280 * kFoot;
constexpr long double kLitre = 1e-3L;
constexpr long double kUsGallon = 231 * kInch * kInch * kInch;
constexpr long double kImperialGallon = 4.54609L * kLitre;
constexpr long double kKilogramForce = 9.80665L;
constexpr long double kPoundForce = 0.45359237L * kKilogramForce;

struct LibraryGroup {
    const char* file;
    const char* name;
    Sizes sizes;
};

const LibraryGroup kLibrary[] = {
    {"DataSize.fsf",
     "Data size",
     {{"bit", 1},
      {"B", 8},
      {"kbit", 1e3L},
      {"Mbit", 1e6L},
      {"Gbit", 1e9L},
      {"kB", 8e3L},
      {"MB", 8e6L},
      {"GB", 8e9L},
      {"TB", 8e12L},
      {"PB", 8e15L},
      {"KiB", 8 * std::ldexp(1.0L, 10)},
      {"MiB", 8 * std::ldexp(1.0L, 20)},
      {"GiB", 8 * std::ldexp(1.0L, 30)},
      {"TiB", 8 * std::ldexp(1.0L, 40)},
      {"PiB", 8 * std::ldexp(1.0L, 50)}}},
    {"Frequency.fsf",
     "Frequency",
     {{"Hz", 1},
      {"mHz", 1e-3L},
      {"kHz", 1e3L},
      {"MHz", 1e6L},
      {"GHz", 1e9L},
      {"THz", 1e12L},
      {"rpm", 1 / 60.0L},
      {"rph", 1 / 3600.0L}}},
    {"FlowRate.fsf",
     "Flow rate",
     {{"m\xC2\xB3/s", 1},
      {"m\xC2\xB3/h", 1 / 3600.0L},
      {"L/s", kLitre},
      {"L/min", kLitre / 60},
      {"L/h", kLitre / 3600},
      {"mL/min", kLitre / 1000 / 60},
      {"ft\xC2\xB3/s", kFoot* kFoot* kFoot},
      {"cfm", kFoot* kFoot* kFoot / 60},
      {"in\xC2\xB3/s", kInch* kInch* kInch},
      {"gpm", kUsGallon / 60},
      {"gph", kUsGallon / 3600},
      {"gpd", kUsGallon / 86400},
      {"imp gpm", kImperialGallon / 60},
      {"imp gph", kImperialGallon / 3600},
      {"bbl/d", 42 * kUsGallon / 86400}}},
    {"Torque.fsf",
     "Torque",
     {{"N\xC2\xB7m", 1},
      {"kN\xC2\xB7m", 1e3L},
      {"N\xC2\xB7\x63m", 1e-2L},
      {"N\xC2\xB7mm", 1e-3L},
      {"dyn\xC2\xB7\x63m", 1e-7L},
      {"kgf\xC2\xB7m", kKilogramForce},
      {"kgf\xC2\xB7\x63m", kKilogramForce / 100},
      {"gf\xC2\xB7\x63m", kKilogramForce / 1e5L},
      {"lbf\xC2\xB7\x66t", kPoundForce* kFoot},
      {"lbf\xC2\xB7in", kPoundForce* kInch},
      {"ozf\xC2\xB7in", kPoundForce / 16 * kInch}}},
    {"FuelConsumption.fsf",
     "Fuel consumption",
     {{"L/100 km", kLitre / 1e5L},
      {"L/km", kLitre / 1e3L},
      {"gal/100 mi", kUsGallon / (100 * kMile)},
      {"imp gal/100 mi", kImperialGallon / (100 * kMile)}}},
};

class LibraryGroupTest : public ::testing::TestWithParam<LibraryGroup> {};

TEST_P(LibraryGroupTest, EveryFactorFollowsFromTheUnitsDefinitions)
{
    const LibraryGroup& expected = GetParam();
    CConversion group;
    ASSERT_TRUE(LoadFactorFile(std::string(KALVEX_LIBRARY_DIR) + "/" + expected.file, group));
    EXPECT_EQ(group.m_name, expected.name);
    ASSERT_EQ(group.m_unitCount, expected.sizes.size());
    EXPECT_EQ(group.m_shownCount, group.m_unitCount);
    for (int r = 0; r < group.m_unitCount; ++r) {
        const std::string rowSymbol = UnitSymbol(group.m_units[std::size_t(r)]);
        ASSERT_TRUE(expected.sizes.contains(rowSymbol)) << rowSymbol;
        for (int c = 0; c < group.m_unitCount; ++c) {
            const std::string columnSymbol = UnitSymbol(group.m_units[std::size_t(c)]);
            const long double oracle = expected.sizes.at(columnSymbol) / expected.sizes.at(rowSymbol);
            const double stored = group.m_factors[std::size_t(r)][std::size_t(c)];
            EXPECT_LE(std::fabs((stored - oracle) / oracle), 4e-16L)
                << rowSymbol << " per " << columnSymbol << ": " << stored << " against " << double(oracle);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Library, LibraryGroupTest, ::testing::ValuesIn(kLibrary), [](const auto& info) {
    std::string name = info.param.name;
    std::erase(name, ' ');
    return name;
});

} // namespace
} // namespace kalvex
