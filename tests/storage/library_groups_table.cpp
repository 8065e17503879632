#include "library_groups_table.h"

#include <cmath>

namespace kalvex::library {
namespace {

constexpr long double kUsGallon = 231 * kInch * kInch * kInch;
constexpr long double kImperialGallon = 4.54609L * kLitre;
constexpr long double kOunce = kPound / 16;
constexpr long double kAcre = 4046.8564224L; // 43 560 square feet

} // namespace

std::vector<LibraryGroup> EverydayGroups()
{
    return {
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
          {"rpm", 1 / kMinute},
          {"rph", 1 / kHour}}},
        {"FlowRate.fsf",
         "Flow rate",
         {{"m³/s", 1},
          {"m³/h", 1 / kHour},
          {"L/s", kLitre},
          {"L/min", kLitre / kMinute},
          {"L/h", kLitre / kHour},
          {"mL/min", kLitre / 1000 / kMinute},
          {"ft³/s", kFoot * kFoot * kFoot},
          {"cfm", kFoot * kFoot * kFoot / kMinute},
          {"in³/s", kInch * kInch * kInch},
          {"gpm", kUsGallon / kMinute},
          {"gph", kUsGallon / kHour},
          {"gpd", kUsGallon / kDay},
          {"imp gpm", kImperialGallon / kMinute},
          {"imp gph", kImperialGallon / kHour},
          {"bbl/d", 42 * kUsGallon / kDay}}},
        {"Torque.fsf",
         "Torque",
         {{"N·m", 1},
          {"kN·m", 1e3L},
          {"N·cm", 1e-2L},
          {"N·mm", 1e-3L},
          {"dyn·cm", 1e-7L},
          {"kgf·m", kKilogramForce},
          {"kgf·cm", kKilogramForce / 100},
          {"gf·cm", kKilogramForce / 1e5L},
          {"lbf·ft", kPoundForce * kFoot},
          {"lbf·in", kPoundForce * kInch},
          {"ozf·in", kPoundForce / 16 * kInch}}},
        {"FuelConsumption.fsf",
         "Fuel consumption",
         {{"L/100 km", kLitre / 1e5L},
          {"L/km", kLitre / 1e3L},
          {"gal/100 mi", kUsGallon / (100 * kMile)},
          {"imp gal/100 mi", kImperialGallon / (100 * kMile)}}},
    };
}

} // namespace kalvex::library
