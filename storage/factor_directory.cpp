#include "storage/factor_directory.h"

#include "core/conversion.h"
#include "core/group_ids.h"
#include "storage/app_state.h"
#include "storage/legacy_files.h"
#include "storage/settings_profile.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace kalvex {
namespace {

constexpr const char* kProbeFileName = "~qortest.tmp";

// Folders where an installed program lives; the user's files never go there.
constexpr std::array<std::string_view, 6> kInstalledLocations = {"/usr/",  "/opt/", "/bin/",
                                                                 "/sbin/", "/lib/", "/snap/"};

std::string WithTrailingSeparator(std::string dir)
{
    if (dir.empty() || dir.back() != fs::path::preferred_separator)
        dir += fs::path::preferred_separator;
    return dir;
}

bool IsInstalledLocation(const std::string& dir)
{
    return std::ranges::any_of(kInstalledLocations,
                               [&](std::string_view prefix) { return dir.starts_with(prefix); });
}

MessageAnswer Ask(AppState& app, const std::string& text)
{
    app.services.messages->Beep(MessageIcon::Question);
    return app.services.messages->Show({text, "", MessageButtons::YesNo, MessageIcon::Question});
}

void Tell(AppState& app, const std::string& text, MessageIcon icon)
{
    if (icon != MessageIcon::None)
        app.services.messages->Beep(icon);
    app.services.messages->Show({text, "", MessageButtons::Ok, icon});
}

void RefuseFolder(AppState& app, const std::string& dir)
{
    Tell(app, "Can't create files in path:\n\n" + dir + "\n\nNo changes made.", MessageIcon::Stop);
}

void UseFactorPath(AppState& app, const std::string& dir)
{
    app.m_factorPath = dir;
    WriteSetting(*app.services.settings, profile::kConvFilePath, dir);
}

std::string CurrentDirectory()
{
    std::error_code error;
    fs::path current = fs::current_path(error);
    return error ? std::string() : WithTrailingSeparator(current.string());
}

// Lets the user pick folders until one passes the write test, or until the user, after
// cancelling, accepts the folder in force (which is then used for this run only).
void ChooseFolder(AppState& app, const std::string& candidate)
{
    for (;;) {
        std::optional<std::string> chosen = app.services.picker->Pick(CurrentDirectory());
        if (chosen) {
            const std::string dir = WithTrailingSeparator(*chosen);
            if (CanCreateFilesIn(dir)) {
                UseFactorPath(app, dir);
                return;
            }
            RefuseFolder(app, dir);
            app.m_factorPath = candidate;
            continue;
        }
        if (Ask(app, "You didn't select a directory.\n\nIs " + app.m_factorPath + " ok?") ==
            MessageAnswer::Yes)
            return;
    }
}

void AskFirstRunQuestion(AppState& app)
{
    const std::string candidate = app.m_factorPath;
    const std::string question =
        "Since this is the first time you have run Kalvex! after installing, we have a "
        "question you need to answer.\n\nKalvex!'s factor files will be stored in the "
        "directory:\n\n" +
        candidate + "\n\nThis directory must have read/write capabilities.\n\nIs this acceptable?";
    if (Ask(app, question) == MessageAnswer::Yes) {
        if (CanCreateFilesIn(candidate)) {
            UseFactorPath(app, candidate);
            return;
        }
        RefuseFolder(app, candidate);
    }
    ChooseFolder(app, candidate);
}

// The factor files the Path command moves, in group id order, custom groups last.
std::vector<int> FactorFileGroups(const AppState& app)
{
    std::vector<int> ids;
    for (int id = kFirstFactorGroupId; id <= kAccelerationId; ++id)
        ids.push_back(id);
    const int customCount =
        std::min(ReadSetting(*app.services.settings, profile::kNumCust), profile::kMaxCustomGroups);
    for (int k = 1; k <= customCount; ++k)
        ids.push_back(CustomGroupId(k));
    return ids;
}

struct CopyOutcome {
    std::vector<std::string> failed;   // there, but the copy could not be made
    std::vector<std::string> notThere; // missing, or no regular file: nothing to copy
};

// Copies every factor file the old folder holds as a regular file.
CopyOutcome CopyFactorFiles(AppState& app, const std::string& from, const std::string& to)
{
    CopyOutcome outcome;
    for (int id : FactorFileGroups(app)) {
        const fs::path source = FactorFileName(from, id);
        const std::string name = source.filename().string();
        std::error_code error;
        // Looked at without opening it: a FIFO left there must not stall the command.
        if (!fs::is_regular_file(fs::status(source, error)))
            outcome.notThere.push_back(name);
        else if (!app.services.copier->Copy(source, FactorFileName(to, id), kMaxFactorFileSize))
            outcome.failed.push_back(name);
    }
    return outcome;
}

std::string JoinLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const auto& line : lines)
        text += (text.empty() ? "" : "\n") + line;
    return text;
}

} // namespace

bool CanCreateFilesIn(const std::string& dir)
{
    const fs::path probe = fs::path(dir) / kProbeFileName;
    std::error_code error;
    // An entry of the probe's name is replaced, never written through: a link standing there is
    // removed as a link.
    const fs::file_status status = fs::symlink_status(probe, error);
    if (fs::exists(status)) {
        if (fs::is_directory(status) || !fs::remove(probe, error))
            return false;
    }
    // "x": create exclusively, so nothing that appeared meanwhile is opened.
    std::FILE* file = std::fopen(probe.c_str(), "w+x");
    if (!file)
        return false;
    const bool closed = std::fclose(file) == 0;
    const bool removed = fs::remove(probe, error);
    return closed && removed;
}

std::string FirstRunCandidate(const AppState& app)
{
    if (!app.m_programDir.empty() && !IsInstalledLocation(app.m_programDir) &&
        CanCreateFilesIn(app.m_programDir))
        return app.m_programDir;
    std::error_code error;
    fs::create_directories(app.m_dataDir, error);
    return app.m_dataDir;
}

std::string NormalFactorPath(const std::string& stored)
{
    const fs::path path(stored);
    if (stored.empty() || !path.is_absolute())
        return {};
    return WithTrailingSeparator(path.lexically_normal().string());
}

void EstablishFactorPath(AppState& app)
{
    app.m_factorPath = NormalFactorPath(ReadSetting(*app.services.settings, profile::kConvFilePath));
    if (!app.m_factorPath.empty())
        return;
    const std::string legacyPath = app.services.legacy->ReadString(
        legacy::kSettingsFile, legacy::kSettingsSection, profile::kConvFilePath.key, "", legacy::kPathBuffer);
    if (!legacyPath.empty()) {
        MigrateLegacySettings(app);
        app.m_factorPath = NormalFactorPath(app.m_factorPath);
        if (!app.m_factorPath.empty())
            return;
    }
    app.m_factorPath = FirstRunCandidate(app);
    app.m_firstRun = 1;
    AskFirstRunQuestion(app);
}

void RunPathCommand(AppState& app)
{
    std::optional<std::string> chosen = app.services.picker->Pick(app.m_factorPath);
    if (!chosen)
        return;
    const std::string oldPath = app.m_factorPath;
    const std::string newPath = WithTrailingSeparator(*chosen);
    if (newPath == oldPath) {
        Tell(app, "The path selected is the current factor path!\n\n" + newPath + "\n\nNo change made.",
             MessageIcon::Information);
        return;
    }
    if (!CanCreateFilesIn(newPath)) {
        RefuseFolder(app, newPath);
        return;
    }
    const CopyOutcome copies = CopyFactorFiles(app, oldPath, newPath);
    if (!copies.failed.empty()) {
        Tell(app,
             "These factor files could not be copied to\n\n" + newPath + "\n\n" + JoinLines(copies.failed) +
                 "\n\nThe factor path is still\n\n" + oldPath,
             MessageIcon::Stop);
        return;
    }
    UseFactorPath(app, newPath);
    const std::string changed = "Kalvex!'s factor file path has been changed to\n\n" + newPath;
    if (copies.notThere.empty()) {
        Tell(app, changed + "\n\nand the factor files have been copied there.", MessageIcon::None);
        return;
    }
    // Only what was copied may be claimed; the groups missing there are rebuilt or reported
    // by the next check.
    Tell(app,
         changed + "\n\nThese factor files were not found in\n\n" + oldPath + "\n\nand were not copied:\n\n" +
             JoinLines(copies.notThere),
         MessageIcon::Warning);
}

} // namespace kalvex
