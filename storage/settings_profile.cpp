#include "storage/settings_profile.h"

#include "core/group_ids.h"
#include "platform/settings_store.h"

#include <algorithm>

namespace kalvex {

int ReadSetting(const ISettingsStore& store, const IntSetting& setting)
{
    const int value = store.ReadInt(setting.section, setting.key, setting.defaultValue);
    return std::clamp(value, setting.minValue, setting.maxValue);
}

std::string ReadSetting(const ISettingsStore& store, const StringSetting& setting)
{
    return store.ReadString(setting.section, setting.key, setting.defaultValue);
}

bool WriteSetting(ISettingsStore& store, const IntSetting& setting, int value)
{
    return store.WriteInt(setting.section, setting.key, value);
}

bool WriteSetting(ISettingsStore& store, const StringSetting& setting, std::string_view value)
{
    return store.WriteString(setting.section, setting.key, value);
}

namespace profile {

IntSetting GroupEnabledSetting(int groupId)
{
    return {kSettings, EnabledFlagKey(groupId), 1};
}

IntSetting GroupEnabledOrMissingSetting(int groupId)
{
    return {kSettings, EnabledFlagKey(groupId), kMissingFlag};
}

} // namespace profile
} // namespace kalvex
