#include "storage/inventory_check.h"

#include "core/group_ids.h"
#include "core/text_encoding.h"
#include "storage/app_state.h"
#include "storage/builtin_groups.h"
#include "storage/legacy_files.h"
#include "storage/legacy_import.h"
#include "storage/settings_profile.h"
#include "storage/settings_version.h"

#include <algorithm>

namespace kalvex {
namespace {

constexpr std::string_view kCurrentVersion = "3.5.2";
constexpr int kMaxEnabledStandard = 15;

class InventoryCheck {
public:
    InventoryCheck(AppState& app, IProgressSink& progress)
        : m_app(app), m_settings(*app.services.settings), m_legacy(*app.services.legacy), m_progress(progress)
    {
    }

    void Run()
    {
        EnsureTemperatureFlag();
        ReadVersion();
        for (int id = kFirstFactorGroupId; id <= kAccelerationId; ++id)
            CheckStandardGroup(id);
        if (m_version.major == 3)
            CheckCustomGroups();
        UpdateCounts();
    }

private:
    void EnsureTemperatureFlag()
    {
        const IntSetting flag = profile::GroupEnabledOrMissingSetting(kTemperatureId);
        if (ReadSetting(m_settings, flag) > 1)
            WriteSetting(m_settings, flag, 1);
    }

    void ReadVersion()
    {
        std::string text = ReadSetting(m_settings, profile::kConvVersion);
        if (text == profile::kConvVersion.defaultValue) {
            m_legacyFlag = true;
            text = Cp1252ToUtf8(m_legacy.ReadString(legacy::kGroupsFile, legacy::kGroupsSection,
                                                    "ConvVersion", "1.0", legacy::kGroupsVersionBuffer));
        }
        m_version = ParseSettingsVersion(text);
        if (m_version.major != 3 || m_version.minor != 5 || m_version.patch != 2)
            WriteSetting(m_settings, profile::kConvVersion, kCurrentVersion);
    }

    int LegacyInt(const std::string& key) const
    {
        return m_legacy.ReadInt(legacy::kGroupsFile, legacy::kGroupsSection, key, 0);
    }

    void CheckStandardGroup(int id)
    {
        bool older = m_version.major < 3;
        // Whether a factor file was read: only a file that exists can be kept as it is.
        bool fileRead = false;
        int units = 0;
        if (m_legacyFlag) {
            units = LegacyInt(GroupTag(id) + "Count");
        } else if (m_app.m_current.Load(FactorFileName(m_app.m_factorPath, id))) {
            units = m_app.m_current.m_unitCount;
            fileRead = true;
        } else {
            older = true;
        }

        if (units < 2) {
            const bool versionPasses = m_version.major > 2 && m_version.minor > 4 && m_version.patch > 1;
            if (!(versionPasses && !older && fileRead))
                Create(id, older);
        } else if (m_version.major == 3) {
            if (m_legacyFlag) {
                ImportStandardGroup(m_app, id, m_progress);
                ++m_created;
            }
        } else {
            Create(id, older);
        }
    }

    void Create(int id, bool force)
    {
        CreateBuiltinGroup(m_app, id, force, m_progress);
        ++m_created;
    }

    void CheckCustomGroups()
    {
        if (m_legacyFlag) {
            const int count = LegacyInt("NumCust");
            WriteSetting(m_settings, profile::kNumCust, count);
            WriteSetting(m_settings, profile::kNumActCust, LegacyInt("NumActCust"));
            if (count != 0)
                ImportCustomGroups(m_app, std::min(count, profile::kMaxCustomGroups), m_progress);
            return;
        }
        const int count = std::min(ReadSetting(m_settings, profile::kNumCust), profile::kMaxCustomGroups);
        for (int k = 1; k <= count; ++k) {
            if (m_app.m_current.Load(FactorFileName(m_app.m_factorPath, CustomGroupId(k))))
                continue;
            m_app.services.messages->Beep(MessageIcon::Warning);
            m_app.services.messages->Show(
                {"Custom conversions have been lost.", "", MessageButtons::Ok, MessageIcon::Warning});
            WriteSetting(m_settings, profile::kNumCust, 0);
            WriteSetting(m_settings, profile::kNumActCust, 0);
            break;
        }
    }

    // Reads a count with -1 for missing; a negative value is replaced by 0 and written.
    int NonNegativeCount(const IntSetting& setting)
    {
        int value = ReadSetting(m_settings, setting);
        if (value < 0) {
            value = 0;
            WriteSetting(m_settings, setting, value);
        }
        return value;
    }

    void UpdateCounts()
    {
        int numStd = ReadSetting(m_settings, profile::kNumStd);
        if (numStd < 0 || numStd + m_created > kMaxEnabledStandard) {
            numStd = kMaxEnabledStandard;
            WriteSetting(m_settings, profile::kNumStd, numStd);
        } else if (m_created > 0) {
            numStd += m_created;
            WriteSetting(m_settings, profile::kNumStd, numStd);
        }
        m_app.m_numStd = numStd;
        m_app.m_numCust = NonNegativeCount(profile::kNumCustOrMissing);
        m_app.m_numActCust = NonNegativeCount(profile::kNumActCustOrMissing);
        m_app.m_enabledCount = m_app.m_numStd + m_app.m_numActCust;
        m_app.m_selectedGroup = -1;
    }

    AppState& m_app;
    ISettingsStore& m_settings;
    const ILegacyProfile& m_legacy;
    IProgressSink& m_progress;
    SettingsVersion m_version{};
    bool m_legacyFlag = false;
    int m_created = 0;
};

} // namespace

void CheckGroupInventory(AppState& app, IProgressSink& progress)
{
    InventoryCheck(app, progress).Run();
}

} // namespace kalvex
