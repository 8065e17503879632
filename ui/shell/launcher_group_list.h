#pragma once

#include <QString>
#include <vector>

namespace kalvex {

struct AppState;

// One enabled group as the launcher lists it.
struct LauncherGroup {
    int groupIndex = 0;  // 0 Temperature .. 14 Acceleration, 15 the custom group
    int groupId = 0;     // also the command that opens it
    QString name;        // drawn under the icon, at most 31 characters, cut with "..."
    QString menuText;    // Conversion menu item
    QString editingText; // Units and Factors submenu items
};

// The enabled groups in group order, at most app.m_enabledCount of them. Reads each group's
// factor file into a record of its own for its name and description, and fills the group name
// and prompt texts the status bar uses. A standard group whose file cannot be read is listed
// as "Not Found" with its built-in description.
std::vector<LauncherGroup> ListEnabledGroups(AppState& app);

} // namespace kalvex
