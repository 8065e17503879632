#pragma once

#include "core/group_ids.h"
#include "platform/services.h"

#include <array>
#include <string>

namespace kalvex {

// State shared by the windows of one running program, owned by the application object
// and passed by reference. Field order follows the application object's record. The group the
// windows work on is not here: it is the CurrentGroup the application object hands them.
struct AppState {
    int m_gridColumns = 0;
    int m_gridRows = 0;
    int m_viewWidth = 0;
    int m_viewHeight = 0;
    int m_enabledCount = 0; // NumStd + NumActCust: icons the launcher shows
    int m_numCust = 0;
    int m_numStd = 0;
    int m_numActCust = 0;
    int m_selectedGroup = -1;
    std::array<std::string, 3> m_legacyFileNames{"convcust.ini", "convfac.ini", "convcusf.ini"};
    std::string m_programDir; // ends with the separator
    std::string m_factorPath; // ends with the separator
    std::string m_dataDir;    // the user's data folder for this program, ends with the separator
    std::array<std::string, kGroupCount> m_groupNames;   // per group index, lower case
    std::array<std::string, kGroupCount> m_groupPrompts; // per group index, the description
    int m_tempDigits = 6;
    int m_tempScientific = 0;
    int m_firstRun = 0;
    unsigned m_listFormat = 0;

    Services services;
};

} // namespace kalvex
