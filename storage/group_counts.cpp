#include "storage/group_counts.h"

#include "core/group_ids.h"
#include "platform/settings_store.h"
#include "storage/settings_profile.h"

#include <algorithm>

namespace kalvex {

bool RecountEnabledGroups(ISettingsStore& settings, int customCount)
{
    const auto enabled = [&](int groupId) {
        return ReadSetting(settings, profile::GroupEnabledSetting(groupId)) != 0 ? 1 : 0;
    };
    int standard = 0;
    for (int id = kTemperatureId; id <= kAccelerationId; ++id)
        standard += enabled(id);
    int custom = 0;
    for (int k = 1; k <= std::clamp(customCount, 0, kMaxCustomGroups); ++k)
        custom += enabled(CustomGroupId(k));
    const bool stdKept = settings.WriteInt(profile::kNumStd.section, profile::kNumStd.key, standard);
    return settings.WriteInt(profile::kNumActCust.section, profile::kNumActCust.key, custom) && stdKept;
}

std::string CustomGroupLimitText()
{
    return "You have reached the maximum of " + std::to_string(kMaxCustomGroups) +
           " custom groups.\nYou can redefine the conversions in one of your existing groups to add more "
           "factors.";
}

} // namespace kalvex
