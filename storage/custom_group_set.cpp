#include "storage/custom_group_set.h"

#include "core/conversion.h"
#include "core/group_ids.h"
#include "platform/regular_file.h"
#include "platform/settings_store.h"
#include "storage/app_state.h"
#include "storage/factor_file.h"
#include "storage/settings_profile.h"

#include <algorithm>
#include <vector>

namespace kalvex {
namespace {

std::string DamagedText(const std::string& file, const std::string& where)
{
    return "The custom conversion group file\n\n" + file + "\n\nis damaged and cannot be used. " + where;
}

void Warn(AppState& app, const std::string& text)
{
    // The command line has no one to tell; what it leaves is reconciled the same way.
    if (!app.services.messages)
        return;
    app.services.messages->Beep(MessageIcon::Warning);
    app.services.messages->Show({text, "", MessageButtons::Ok, MessageIcon::Warning});
}

std::string CustomFile(const AppState& app, int number)
{
    return FactorFileName(app.m_factorPath, CustomGroupId(number));
}

// The numbers of the usable custom group files, in order. A damaged file is set aside and no
// longer counts; one that cannot be moved ends the list, since no group may land on it.
std::vector<int> UsableFiles(AppState& app)
{
    std::vector<int> usable;
    CConversion scratch;
    for (int number = 1; number <= kMaxCustomGroups; ++number) {
        const std::string file = CustomFile(app, number);
        const LoadStatus status = ReadFactorFile(file, scratch);
        if (status == LoadStatus::Loaded) {
            usable.push_back(number);
        } else if (status == LoadStatus::Damaged) {
            const std::string kept = SetAside(file);
            if (kept.empty()) {
                Warn(app, DamagedText(file, "It has been left as it is."));
                break;
            }
            Warn(app, DamagedText(file, "It has been kept as\n\n" + kept));
        }
    }
    return usable;
}

} // namespace

CustomGroupsOwnership::CustomGroupsOwnership(AppState& app) : m_app(app)
{
    if (app.services.groupsLock && !app.m_factorPath.empty())
        m_held = app.services.groupsLock->Acquire(app.m_factorPath);
    app.services.settings->Refresh();
}

CustomGroupsOwnership::~CustomGroupsOwnership()
{
    if (m_held)
        m_app.services.groupsLock->Release();
}

int ReconcileCustomGroups(AppState& app)
{
    ISettingsStore& settings = *app.services.settings;
    const int counted = std::clamp(ReadSetting(settings, profile::kNumCust), 0, kMaxCustomGroups);
    const std::vector<int> usable = UsableFiles(app);
    const int count = int(usable.size());
    // Groups move down only after the settings describe where they end up (see below); as many
    // files as counted, some past the count, is that state: the flags are at their places already.
    const bool flagsPlaced = count == counted && count > 0 && usable.back() > count;
    const auto flag = [&](int number) {
        return ReadSetting(settings, profile::GroupEnabledSetting(CustomGroupId(number)));
    };
    std::vector<int> flags;
    for (int k = 1; k <= count; ++k) {
        const int from = usable[std::size_t(k - 1)];
        // A file past the count was saved by an operation stopped before its settings: a new group.
        flags.push_back(flagsPlaced ? flag(k) : from <= counted ? flag(from) : 1);
    }
    if (count == 0 && counted > 0)
        Warn(app, "Custom conversions have been lost.");

    const bool moves = count > 0 && usable.back() != count;
    bool changed = count != counted || moves;
    for (int k = 1; k <= count; ++k)
        changed = changed || flag(k) != flags[std::size_t(k - 1)];
    if (changed) {
        // The settings first, in one replacement, then the files: stopped between two moves, the
        // next reconciliation finds the flags placed and finishes the moves.
        SettingsBatch batch(settings);
        for (int k = 1; k <= count; ++k)
            WriteSetting(settings, profile::GroupEnabledSetting(CustomGroupId(k)), flags[std::size_t(k - 1)]);
        WriteSetting(settings, profile::kNumCust, count);
        WriteSetting(settings, profile::kNumActCust,
                     int(std::count_if(flags.begin(), flags.end(), [](int f) { return f != 0; })));
    }
    for (int k = 1; k <= count; ++k)
        if (usable[std::size_t(k - 1)] != k &&
            !MoveFile(CustomFile(app, usable[std::size_t(k - 1)]), CustomFile(app, k)))
            return k - 1;
    return count;
}

} // namespace kalvex
