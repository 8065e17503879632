#pragma once

#include <string>

namespace kalvex {

struct AppState;

// Start-up: takes the factor path from the profile, else migrates it from the legacy settings
// file, else treats the run as the first one (m_firstRun = 1) and asks for the folder. A stored
// path that is not an absolute path of this system (a relative one, or "C:\KALVEX\" from the
// home platform's legacy file) counts as no path at all.
// Needs app.m_programDir and app.m_dataDir (both ending with the separator).
void EstablishFactorPath(AppState& app);

// File > Path: lets the user choose a new factor folder, tests it, copies the factor files there
// and switches to it only when every copy succeeded.
void RunPathCommand(AppState& app);

// The stored factor path as the program uses it: absolute, normalised, ending with the
// separator; empty when it is not an absolute path of this system.
std::string NormalFactorPath(const std::string& stored);

// True when the probe file "~qortest.tmp" can be created (and is removed again) in dir.
bool CanCreateFilesIn(const std::string& dir);

// The folder offered on a first run: the program's own folder when files can be created there
// and it is not an installed location, otherwise the user's data folder (created when missing).
std::string FirstRunCandidate(const AppState& app);

} // namespace kalvex
