#pragma once

#include "storage/string_table.h"

#include <string>

namespace kalvex {

struct AppState;
class CConversion;
class IProgressSink;
class UnsavedFiles;

// Built-in texts of a standard group id 4103..4117 (string table entries).
std::string BuiltinGroupTag(int groupId);         // "Dist"
std::string BuiltinGroupName(int groupId);        // "Distance"
std::string BuiltinGroupDescription(int groupId); // "inches, feet, meters, light years..."

// Builds a group in memory from the built-in definition of groupId (4104..4117).
void BuildBuiltinGroup(CConversion& group, int groupId);
// Builds the group as an earlier build of the program did, from the factor tables it carried.
void BuildEarlierBuiltinGroup(CConversion& group, int groupId);
// Whether the group's factor table differs from the one an earlier build carried.
bool BuiltinFactorsChanged(int groupId);

// Builds a group from the built-in definition of groupId (4104..4117), saves it to
// its factor file in the factor path and enables it when its flag is missing or force is set.
// Reports "<name> conversions being added." to progress; a file it cannot save is noted in unsaved.
void CreateBuiltinGroup(AppState& app, int groupId, bool force, IProgressSink& progress,
                        UnsavedFiles& unsaved);

} // namespace kalvex
