#include "app/import_command.h"

#include "app/exit_status.h"
#include "core/conversion.h"
#include "core/group_ids.h"
#include "platform/posix/durable_file_replacer.h"
#include "platform/posix/flock_folder_lock.h"
#include "platform/qt/application_title.h"
#include "platform/qt/qsettings_store.h"
#include "platform/qt/single_instance.h"
#include "storage/app_state.h"
#include "storage/group_import.h"
#include "storage/settings_profile.h"

#include <QCoreApplication>
#include <algorithm>
#include <iostream>

namespace kalvex {
namespace {

int Refuse(const std::string& text)
{
    std::cerr << "kalvex: " << text << '\n';
    return kExitNotImported;
}

int Import(const char* file)
{
    QSettingsStore settings;
    FlockFolderLock groupsLock;
    DurableFileReplacer replacer;
    AppState app;
    app.services.settings = &settings;
    app.services.groupsLock = &groupsLock;
    app.services.replacer = &replacer;
    app.m_factorPath = ReadSetting(settings, profile::kConvFilePath);
    if (app.m_factorPath.empty())
        return Refuse("no factor folder has been chosen yet: start Kalvex! once, then import.");
    app.m_numCust = std::clamp(ReadSetting(settings, profile::kNumCust), 0, kMaxCustomGroups);
    CConversion group;
    if (const std::optional<std::string> refusal = ReadGroupToImport(file, group))
        return Refuse(*refusal);
    group.m_name = FreeGroupName(GroupNamesInUse(app), group.m_name);
    const ImportOutcome outcome = AddImportedGroup(app, group);
    if (outcome.groupId == 0)
        return Refuse(outcome.refusal);
    std::cout << GroupTag(outcome.groupId) << '\t' << group.m_name << '\n';
    SingleInstance(ApplicationTitle()).TellGroupsChanged();
    return kExitOk;
}

} // namespace

int RunImportCommand(int argc, char* argv[], const std::string& file)
{
    // Needs no display: the settings are read on a core application.
    QCoreApplication application(argc, argv);
    SetApplicationNames();
    return Import(file.c_str());
}

} // namespace kalvex
