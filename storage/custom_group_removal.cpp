#include "storage/custom_group_removal.h"

#include "core/conversion.h"
#include "core/group_ids.h"
#include "platform/regular_file.h"
#include "storage/app_state.h"
#include "storage/custom_group_set.h"
#include "storage/factor_file.h"
#include "storage/group_counts.h"
#include "storage/settings_profile.h"

namespace kalvex {

RemovalOutcome RemoveCustomGroup(AppState& app, int k, const std::string& name)
{
    const CustomGroupsOwnership owner(app);
    const int count = ReconcileCustomGroups(app);
    const auto file = [&app](int number) { return FactorFileName(app.m_factorPath, CustomGroupId(number)); };
    CConversion group;
    if (k < 1 || k > count || !LoadFactorFile(file(k), group) || group.m_name != name)
        return RemovalOutcome::Moved;
    // The order a restart can finish from any point: the file goes first (stopped here, the
    // settings still count it, and the reconciliation moves the later groups and their flags
    // into the gap); then the settings of the final numbering, in one replacement; then the later
    // files move down (stopped between two moves, the reconciliation finds the flags placed).
    if (!RemoveFile(file(k)))
        return RemovalOutcome::Failed;
    ISettingsStore& settings = *app.services.settings;
    {
        SettingsBatch batch(settings);
        for (int number = k; number < count; ++number) {
            const int enabled =
                ReadSetting(settings, profile::GroupEnabledSetting(CustomGroupId(number + 1)));
            WriteSetting(settings, profile::GroupEnabledSetting(CustomGroupId(number)), enabled);
        }
        // A group created later under the freed number starts enabled.
        WriteSetting(settings, profile::GroupEnabledSetting(CustomGroupId(count)), 1);
        WriteSetting(settings, profile::kNumCust, count - 1);
        RecountEnabledGroups(settings, count - 1);
    }
    for (int number = k + 1; number <= count; ++number)
        if (!MoveFile(file(number), file(number - 1)))
            return RemovalOutcome::Failed;
    return RemovalOutcome::Removed;
}

} // namespace kalvex
