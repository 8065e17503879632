#pragma once

#include "core/group_ids.h"

#include <climits>
#include <string>
#include <string_view>

namespace kalvex {

class ISettingsStore;
struct AppState;

// One settings key with its section and the default its reader passes. A stored value outside
// [minValue, maxValue] cannot be right (a damaged or hand-edited profile) and is read as the
// nearest bound, so no reader does arithmetic on it.
struct IntSetting {
    std::string_view section;
    std::string key;
    int defaultValue;
    int minValue = INT_MIN;
    int maxValue = INT_MAX;
};

struct StringSetting {
    std::string_view section;
    std::string key;
    std::string_view defaultValue;
};

int ReadSetting(const ISettingsStore& store, const IntSetting& setting);
std::string ReadSetting(const ISettingsStore& store, const StringSetting& setting);
// False when the value could not be stored (it still reads back while the program runs).
bool WriteSetting(ISettingsStore& store, const IntSetting& setting, int value);
bool WriteSetting(ISettingsStore& store, const StringSetting& setting, std::string_view value);

// Every key of the sections "Settings" and "Frame". Where readers pass different defaults,
// each reader has its own entry.
namespace profile {

inline constexpr std::string_view kSettings = "Settings";
inline constexpr std::string_view kFrame = "Frame";

inline const StringSetting kConvFilePath{kSettings, "ConvFilePath", ""};
inline const StringSetting kConvVersion{kSettings, "ConvVersion", "1.0"};
inline const StringSetting kConvLevel{kSettings, "ConvLevel", ""};
// Counts are read as at most what can exist: fifteen standard groups and the custom groups
// the program can hold; a stored count above that is damage.
inline constexpr int kStandardGroupCount = ::kalvex::kStandardGroupCount;
inline constexpr int kMaxCustomGroups = ::kalvex::kMaxCustomGroups;
inline constexpr int kMaxEnabledCustomGroups = kMaxCustomGroups;

inline const IntSetting kNumCust{kSettings, "NumCust", 0, INT_MIN, kMaxCustomGroups};
inline const IntSetting kNumActCust{kSettings, "NumActCust", 0, INT_MIN, kMaxEnabledCustomGroups};
// The inventory check reads the counts with -1 so that a missing value can be told apart;
// it is the only reader of NumStd.
inline const IntSetting kNumStd{kSettings, "NumStd", -1, INT_MIN, kStandardGroupCount};
inline const IntSetting kNumCustOrMissing{kSettings, "NumCust", -1, INT_MIN, kMaxCustomGroups};
inline const IntSetting kNumActCustOrMissing{kSettings, "NumActCust", -1, INT_MIN, kMaxEnabledCustomGroups};
inline const IntSetting kNumDigits{kSettings, "NumDigits", 6};
inline const IntSetting kScientific{kSettings, "Scientific", 0};
// Where the exchange rate update downloads the euro reference rates (a company may mirror them).
inline const StringSetting kRatesUrl{kSettings, "RatesUrl",
                                     "https://www.ecb.europa.eu/stats/eurofxref/eurofxref-daily.xml"};

// Frame edges are read within the largest extent a window can have, so that differences and sums
// of two edges cannot overflow.
inline constexpr int kMaxScreenCoordinate = (1 << 24) - 1;
inline const IntSetting kFrameTop{kFrame, "Top", 0, -kMaxScreenCoordinate, kMaxScreenCoordinate};
inline const IntSetting kFrameLeft{kFrame, "Left", 0, -kMaxScreenCoordinate, kMaxScreenCoordinate};
inline const IntSetting kFrameBottom{kFrame, "Bottom", 0, -kMaxScreenCoordinate, kMaxScreenCoordinate};
inline const IntSetting kFrameRight{kFrame, "Right", 0, -kMaxScreenCoordinate, kMaxScreenCoordinate};
inline const IntSetting kFrameStatus{kFrame, "Status", 0}; // written only

// Enabled flag of a group ("Conv%.2d" or a custom group's tag) as the launcher and the
// enable/disable dialog read it: 1 when missing.
IntSetting GroupEnabledSetting(int groupId);
// The same key as the inventory check and the built-in group creation read it: a value above 1
// (the default 2) means the key is missing.
IntSetting GroupEnabledOrMissingSetting(int groupId);
inline constexpr int kMissingFlag = 2;

} // namespace profile

// Copies the keys of the legacy settings file kalvex.ini into the profile, in their fixed order,
// and makes the copied ConvFilePath the factor path. The caller runs it only when the profile has
// no ConvFilePath and the legacy file has one.
void MigrateLegacySettings(AppState& app);

} // namespace kalvex
