#include "storage/custom_group_removal.h"

#include "core/conversion.h"
#include "core/group_ids.h"
#include "platform/regular_file.h"
#include "storage/app_state.h"
#include "storage/group_counts.h"
#include "storage/settings_profile.h"

#include <algorithm>
#include <optional>
#include <string>

namespace kalvex {

bool DiskGroupFileSteps::CopyOver(const std::filesystem::path& source, const std::filesystem::path& target)
{
    const FileBytes read = ReadRegularFile(source, kMaxFactorFileSize);
    return read.status == ReadStatus::Read && ReplaceFileAtomically(target, read.bytes) == SaveStatus::Saved;
}

bool DiskGroupFileSteps::Remove(const std::filesystem::path& file)
{
    std::error_code error;
    return std::filesystem::remove(file, error) && !error;
}

bool RemoveCustomGroup(AppState& app, int k, IGroupFileSteps& steps)
{
    ISettingsStore& settings = *app.services.settings;
    const int count = std::min(ReadSetting(settings, profile::kNumCust), kMaxCustomGroups);
    if (k < 1 || k > count)
        return false;
    const auto file = [&app](int number) { return FactorFileName(app.m_factorPath, CustomGroupId(number)); };
    for (int number = k; number < count; ++number) {
        if (!steps.CopyOver(file(number + 1), file(number)))
            return false;
        const int enabled = ReadSetting(settings, profile::GroupEnabledSetting(CustomGroupId(number + 1)));
        WriteSetting(settings, profile::GroupEnabledSetting(CustomGroupId(number)), enabled);
    }
    WriteSetting(settings, profile::kNumCust, count - 1);
    // A group created later under the freed number starts enabled.
    WriteSetting(settings, profile::GroupEnabledSetting(CustomGroupId(count)), 1);
    RecountEnabledGroups(settings, count - 1);
    return steps.Remove(file(count));
}

} // namespace kalvex
