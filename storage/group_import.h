#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kalvex {

struct AppState;
class CConversion;

// No factor file the program writes comes near this; anything larger is refused unread.
inline constexpr std::uintmax_t kMaxGroupFileBytes = 1024 * 1024;

// Reads a factor file from outside the factor folder into group. The text telling the user
// why it cannot be imported (missing, not a regular file, too large, damaged, fewer than two
// units, no name, a factor the group editor would refuse or a pair no factor relates), or
// nothing when it can.
std::optional<std::string> ReadGroupToImport(const std::filesystem::path& file, CConversion& group);

// The names of every group the user has (standard and custom), as the launcher shows them.
std::vector<std::string> GroupNamesInUse(AppState& app);
// True when a group of that name exists; names differing only in letter case count as one.
bool IsNameInUse(const std::vector<std::string>& names, const std::string& name);
// The name itself when free, else the name followed by " (2)", " (3)", ... whichever is free first
// (the name cut short where a factor file could not hold it with its number).
std::string FreeGroupName(const std::vector<std::string>& names, const std::string& name);

// Adds group as the next custom group, enabled, under the name it carries. The new group's id,
// or the refusal text (the limit reached, a file already there, a write that failed).
struct ImportOutcome {
    int groupId = 0;
    std::string refusal;
    bool limitReached = false; // the refusal is that every custom group number is taken
};
ImportOutcome AddImportedGroup(AppState& app, const CConversion& group);

} // namespace kalvex
