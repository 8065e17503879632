#pragma once

namespace kalvex {

struct AppState;
class IProgressSink;

// Keeps, rebuilds or imports every standard group's factor file, checks that the custom groups'
// files are there, brings ConvVersion, NumStd, NumCust and NumActCust up to date and copies the
// counts into app (m_numStd, m_numCust, m_numActCust, m_enabledCount); m_selectedGroup = -1.
// The launcher's grid geometry is left to the caller. Callers show the busy cursor.
void CheckGroupInventory(AppState& app, IProgressSink& progress);

} // namespace kalvex
