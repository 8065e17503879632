#pragma once

namespace kalvex {

struct AppState;
class IProgressSink;
class UnsavedFiles;

// Older versions kept their groups in private profile files (section "Kalvexon" of kalvo.ini,
// convfac.ini, convcust.ini and convcusf.ini). These rebuild groups from them and save their
// factor files, noting in unsaved a file they cannot save; neither writes to
// the settings profile.

// Imports standard group groupId (4104..4117) from kalvo.ini and convfac.ini.
void ImportStandardGroup(AppState& app, int groupId, IProgressSink& progress, UnsavedFiles& unsaved);
// Imports custom groups 1..count from convcust.ini and convcusf.ini.
void ImportCustomGroups(AppState& app, int count, IProgressSink& progress, UnsavedFiles& unsaved);

} // namespace kalvex
