#include "storage/group_import.h"

#include "core/byte_reader.h"
#include "core/conversion.h"
#include "core/group_ids.h"
#include "core/text_encoding.h"
#include "platform/regular_file.h"
#include "storage/app_state.h"
#include "storage/builtin_groups.h"
#include "storage/custom_group_set.h"
#include "storage/factor_file.h"
#include "storage/factor_soundness.h"
#include "storage/group_counts.h"
#include "storage/settings_profile.h"

#include <algorithm>
#include <cctype>

namespace kalvex {
namespace {

std::string Quoted(const std::filesystem::path& file)
{
    return "\"" + file.string() + "\"";
}

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// name + suffix, the name cut at a character so that a factor file can hold the whole.
std::string WithinTextLimit(std::string name, const std::string& suffix)
{
    while (!name.empty() && Utf8ToUtf16(name + suffix).size() > kMaxTextLength) {
        // The last character's continuation bytes, then its first byte.
        while (!name.empty() && (static_cast<unsigned char>(name.back()) & 0xC0) == 0x80)
            name.pop_back();
        if (!name.empty())
            name.pop_back();
    }
    return name + suffix;
}

} // namespace

std::optional<std::string> ReadGroupToImport(const std::filesystem::path& file, CConversion& group)
{
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(file, error);
    if (error || status.type() == std::filesystem::file_type::not_found)
        return "The file " + Quoted(file) + " cannot be found, so no group is imported.";
    // A pipe or a device could block the reader or never end.
    if (status.type() != std::filesystem::file_type::regular)
        return Quoted(file) + " is not a regular file, so no group is imported.";
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (error || size > kMaxGroupFileBytes)
        return Quoted(file) + " is too large to be a factor file, so no group is imported.";
    const FileBytes read = ReadRegularFile(file, kMaxGroupFileBytes);
    if (read.status != ReadStatus::Read)
        return "The file " + Quoted(file) + " cannot be read, so no group is imported.";
    if (!group.Deserialize(read.bytes))
        // Damaged includes a group of fewer than two units.
        return Quoted(file) + " is not a factor file or is damaged, so no group is imported.";
    // Nothing enters that the group editor would refuse.
    if (std::all_of(group.m_name.begin(), group.m_name.end(),
                    [](unsigned char c) { return std::isspace(c); }))
        return Quoted(file) + " holds a group without a name, so no group is imported.";
    if (const std::optional<std::string> problem = UnsoundFactorsText(group, true))
        return "In " + Quoted(file) + " " + *problem + ", so no group is imported.";
    return std::nullopt;
}

std::vector<std::string> GroupNamesInUse(AppState& app)
{
    std::vector<std::string> names;
    const int customCount = std::clamp(app.m_numCust, 0, kMaxCustomGroups);
    CConversion scratch;
    for (int id = kTemperatureId; id <= CustomGroupId(customCount); ++id) {
        const bool loaded =
            id != kTemperatureId && LoadFactorFile(FactorFileName(app.m_factorPath, id), scratch);
        if (loaded && !scratch.m_name.empty())
            names.push_back(scratch.m_name);
        else if (IsStandardGroup(id))
            names.push_back(BuiltinGroupName(id));
    }
    return names;
}

bool IsNameInUse(const std::vector<std::string>& names, const std::string& name)
{
    const std::string wanted = Lower(name);
    return std::any_of(names.begin(), names.end(),
                       [&](const std::string& used) { return Lower(used) == wanted; });
}

std::string FreeGroupName(const std::vector<std::string>& names, const std::string& name)
{
    std::string candidate = name;
    for (int number = 2; IsNameInUse(names, candidate); ++number)
        candidate = WithinTextLimit(name, " (" + std::to_string(number) + ")");
    return candidate;
}

ImportOutcome AddImportedGroup(AppState& app, const CConversion& group)
{
    const CustomGroupsOwnership owner(app);
    ISettingsStore& settings = *app.services.settings;
    const int count = ReconcileCustomGroups(app);
    if (count >= kMaxCustomGroups)
        return {0, CustomGroupLimitText(), true};
    const int groupId = CustomGroupId(count + 1);
    const std::string file = FactorFileName(app.m_factorPath, groupId);
    std::error_code error;
    // A file the settings do not count is still somebody's group: never write over it.
    if (std::filesystem::symlink_status(file, error).type() != std::filesystem::file_type::not_found)
        return {0,
                "The group cannot be added: the file \"" + file + "\" already exists and is kept as it is."};
    // The file first, then the settings in one replacement: stopped between the two, the file is
    // past the count, and the next reconciliation takes it in.
    if (!SaveFactorFile(group, file, *app.services.replacer))
        return {0, "The group could not be saved in \"" + file + "\". Check that the folder can be written."};
    settings.BeginBatch();
    WriteSetting(settings, profile::GroupEnabledSetting(groupId), 1);
    WriteSetting(settings, profile::kNumCust, count + 1);
    RecountEnabledGroups(settings, count + 1);
    if (!settings.EndBatch())
        return {0, "The settings could not be saved, so the group will not be listed. Its file \"" + file +
                       "\" is kept; check that the settings file can be written."};
    return {groupId, {}};
}

} // namespace kalvex
