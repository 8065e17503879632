#pragma once

#include <string>
#include <string_view>

namespace kalvex {

struct AppState;

struct SettingsVersion {
    int major;
    int minor;
    int patch;
};

// "3.5.2" -> {3, 5, 2}. Runs of dots count as one separator; each part is read as a decimal
// integer prefix (leading blanks and sign allowed); missing or digit-less parts are 0.
SettingsVersion ParseSettingsVersion(std::string_view text);

bool IsEarlierThan352(const SettingsVersion& version);

// The version that last brought the settings up to date: the profile's ConvVersion, or, when
// that reads exactly "1.0" (its default), ConvVersion from the legacy file kalvex.ini.
std::string StoredSettingsVersion(const AppState& app);

} // namespace kalvex
