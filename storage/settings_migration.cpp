#include "core/group_ids.h"
#include "core/text_encoding.h"
#include "storage/app_state.h"
#include "storage/legacy_files.h"
#include "storage/settings_profile.h"

namespace kalvex {
namespace {

// The legacy file's defaults differ from the profile's where an older version assumed more.
constexpr int kLegacyNumStd = 35;

class LegacySettingsCopy {
public:
    explicit LegacySettingsCopy(AppState& app)
        : m_legacy(*app.services.legacy), m_profile(*app.services.settings)
    {
    }

    std::string CopyString(const StringSetting& setting)
    {
        std::string value = Cp1252ToUtf8(m_legacy.ReadString(legacy::kSettingsFile, legacy::kSettingsSection,
                                                             setting.key, "", legacy::kPathBuffer));
        WriteSetting(m_profile, setting, value);
        return value;
    }

    void CopyInt(const IntSetting& setting, int legacyDefault)
    {
        WriteSetting(
            m_profile, setting,
            m_legacy.ReadInt(legacy::kSettingsFile, legacy::kSettingsSection, setting.key, legacyDefault));
    }

private:
    const ILegacyProfile& m_legacy;
    ISettingsStore& m_profile;
};

} // namespace

void MigrateLegacySettings(AppState& app)
{
    LegacySettingsCopy copy(app);
    app.m_factorPath = copy.CopyString(profile::kConvFilePath);
    copy.CopyString(profile::kConvVersion);
    copy.CopyString(profile::kConvLevel);
    copy.CopyInt(profile::kNumCust, 0);
    copy.CopyInt(profile::kNumActCust, 0);
    copy.CopyInt(profile::kNumStd, kLegacyNumStd);
    copy.CopyInt(profile::kNumDigits, 6);
    copy.CopyInt(profile::kScientific, 0);
    // Temperature's flag (Conv01) was not kept by the legacy file.
    for (int id = kFirstFactorGroupId; id <= kAccelerationId; ++id)
        copy.CopyInt(profile::GroupEnabledSetting(id), 1);
    const int customCount = ReadSetting(*app.services.settings, profile::kNumCust);
    for (int k = 1; k <= customCount; ++k)
        copy.CopyInt(profile::GroupEnabledSetting(CustomGroupId(k)), 1);
}

} // namespace kalvex
