#include "storage/settings_version.h"

#include "core/text_encoding.h"
#include "storage/app_state.h"
#include "storage/group_building.h"
#include "storage/legacy_files.h"
#include "storage/settings_profile.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <climits>

namespace kalvex {
namespace {

// A decimal integer prefix: leading blanks, an optional sign, digits; 0 without digits.
int ParseVersionPart(std::string_view part)
{
    std::size_t i = part.find_first_not_of(" \t\n\v\f\r");
    if (i == std::string_view::npos)
        return 0;
    bool negative = false;
    if (part[i] == '+' || part[i] == '-')
        negative = part[i++] == '-';
    long long value = 0;
    for (; i < part.size() && part[i] >= '0' && part[i] <= '9'; ++i)
        value = std::min<long long>(value * 10 + (part[i] - '0'), INT_MAX);
    return static_cast<int>(negative ? -value : value);
}

} // namespace

SettingsVersion ParseSettingsVersion(std::string_view text)
{
    std::array<int, 3> parts{};
    auto tokens = SplitTokens(text, '.');
    for (std::size_t i = 0; i < parts.size() && i < tokens.size(); ++i)
        parts[i] = ParseVersionPart(tokens[i]);
    return {parts[0], parts[1], parts[2]};
}

bool IsEarlierThan352(const SettingsVersion& v)
{
    if (v.major != 3)
        return v.major < 3;
    if (v.minor != 5)
        return v.minor < 5;
    return v.patch < 2;
}

std::string StoredSettingsVersion(const AppState& app)
{
    std::string version = ReadSetting(*app.services.settings, profile::kConvVersion);
    if (version != profile::kConvVersion.defaultValue)
        return version;
    return Cp1252ToUtf8(app.services.legacy->ReadString(legacy::kSettingsFile, legacy::kSettingsSection,
                                                        profile::kConvVersion.key, "1.0",
                                                        legacy::kSettingsVersionBuffer));
}

} // namespace kalvex
