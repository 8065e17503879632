#include "storage/inventory_check.h"

#include "core/conversion.h"
#include "core/group_ids.h"
#include "core/text_encoding.h"
#include "platform/regular_file.h"
#include "storage/app_state.h"
#include "storage/builtin_groups.h"
#include "storage/custom_group_set.h"
#include "storage/earlier_builtin_factors.h"
#include "storage/factor_file.h"
#include "storage/legacy_files.h"
#include "storage/legacy_import.h"
#include "storage/settings_profile.h"
#include "storage/settings_version.h"
#include "storage/unsaved_files.h"

#include <algorithm>
#include <filesystem>

namespace kalvex {
namespace {

constexpr std::string_view kCurrentVersion = "3.5.2";

class InventoryCheck {
public:
    InventoryCheck(AppState& app, IProgressSink& progress)
        : m_app(app), m_settings(*app.services.settings), m_legacy(*app.services.legacy), m_progress(progress)
    {
    }

    void Run()
    {
        // A save cut short by a crash or kill leaves its temporary file; nothing else does.
        if (!m_app.m_factorPath.empty())
            RemoveStaleTemporaries(m_app.m_factorPath);
        EnsureTemperatureFlag();
        ReadVersion();
        for (int id = kFirstFactorGroupId; id <= kAccelerationId; ++id)
            CheckStandardGroup(id);
        {
            const CustomGroupsOwnership owner(m_app);
            if (m_freshProfile)
                AdoptCustomGroups();
            else if (m_version.major == 3)
                CheckCustomGroups();
            UpdateCounts();
        }
        m_unsaved.Report(*m_app.services.messages);
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
                                                    "ConvVersion", "", legacy::kGroupsVersionBuffer));
            // Neither this profile nor an older version knows any group: a new profile, perhaps
            // pointed at a folder that already holds the groups of an earlier installation.
            m_freshProfile = text.empty();
            if (m_freshProfile)
                text = profile::kConvVersion.defaultValue;
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
        CConversion group;
        if (m_freshProfile) {
            if (LoadFactorFile(FactorFileName(m_app.m_factorPath, id), group)) {
                UpgradeEarlierFactors(group, id);
                EnableFoundGroup(id);
            } else {
                Create(id, true);
            }
            return;
        }
        if (m_legacyFlag) {
            units = LegacyInt(GroupTag(id) + "Count");
        } else if (LoadFactorFile(FactorFileName(m_app.m_factorPath, id), group)) {
            units = group.m_unitCount;
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
                ImportStandardGroup(m_app, id, m_progress, m_unsaved);
                ++m_created;
            } else {
                UpgradeEarlierFactors(group, id);
            }
        } else {
            Create(id, older);
        }
    }

    // A kept group file whose factors are still those an earlier build wrote takes today's. When
    // it cannot be written (a read-only file or folder) it stays a complete group as it was, and
    // the next start tries again: nothing the user did is lost, so nothing is reported.
    void UpgradeEarlierFactors(CConversion& group, int id)
    {
        if (UpgradeEarlierBuiltinFactors(group, id))
            WriteFactorFile(group, FactorFileName(m_app.m_factorPath, id), *m_app.services.replacer);
    }

    void Create(int id, bool force)
    {
        CreateBuiltinGroup(m_app, id, force, m_progress, m_unsaved);
        ++m_created;
    }

    // A valid file found by a new profile is kept and its group listed like a built one.
    void EnableFoundGroup(int id)
    {
        WriteSetting(m_settings, profile::GroupEnabledOrMissingSetting(id), 1);
        ++m_created;
    }

    // A new profile takes over the custom groups Cust01, Cust02, ... found in the folder, up to
    // the first that is missing or unusable, and enables them.
    void AdoptCustomGroups()
    {
        int count = 0;
        CConversion group;
        while (count < profile::kMaxCustomGroups &&
               LoadFactorFile(FactorFileName(m_app.m_factorPath, CustomGroupId(count + 1)), group)) {
            ++count;
            WriteSetting(m_settings, profile::GroupEnabledOrMissingSetting(CustomGroupId(count)), 1);
        }
        WriteSetting(m_settings, profile::kNumCust, count);
        WriteSetting(m_settings, profile::kNumActCust, count);
    }

    void CheckCustomGroups()
    {
        if (m_legacyFlag) {
            const int count = LegacyInt("NumCust");
            WriteSetting(m_settings, profile::kNumCust, count);
            WriteSetting(m_settings, profile::kNumActCust, LegacyInt("NumActCust"));
            if (count != 0)
                ImportCustomGroups(m_app, std::min(count, profile::kMaxCustomGroups), m_progress, m_unsaved);
            return;
        }
        ReconcileCustomGroups(m_app);
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
        if (numStd < 0 || numStd + m_created > kStandardGroupCount) {
            numStd = kStandardGroupCount;
            WriteSetting(m_settings, profile::kNumStd, numStd);
        } else if (m_created > 0) {
            numStd += m_created;
            WriteSetting(m_settings, profile::kNumStd, numStd);
        }
        m_app.m_numStd = numStd;
        m_app.m_numCust = NonNegativeCount(profile::kNumCustOrMissing);
        // No more custom groups can be enabled than there are.
        m_app.m_numActCust = std::min(NonNegativeCount(profile::kNumActCustOrMissing), m_app.m_numCust);
        m_app.m_enabledCount = m_app.m_numStd + m_app.m_numActCust;
        m_app.m_selectedGroup = -1;
    }

    AppState& m_app;
    ISettingsStore& m_settings;
    const ILegacyProfile& m_legacy;
    IProgressSink& m_progress;
    SettingsVersion m_version{};
    bool m_legacyFlag = false;
    bool m_freshProfile = false;
    UnsavedFiles m_unsaved;
    int m_created = 0;
};

} // namespace

void CheckGroupInventory(AppState& app, IProgressSink& progress)
{
    InventoryCheck(app, progress).Run();
}

} // namespace kalvex
