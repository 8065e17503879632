#pragma once

namespace kalvex {

struct AppState;

// Makes this process the only one changing the set of custom groups while it lives: it holds
// the user's groups lock on the factor folder and takes in what other processes wrote to the
// settings, so the counts read under it are the current ones. Nests within one process.
class CustomGroupsOwnership {
public:
    explicit CustomGroupsOwnership(AppState& app);
    ~CustomGroupsOwnership();
    CustomGroupsOwnership(const CustomGroupsOwnership&) = delete;
    CustomGroupsOwnership& operator=(const CustomGroupsOwnership&) = delete;

private:
    AppState& m_app;
    bool m_held = false;
};

// Brings the settings in line with the custom group files, which are the truth: the usable files
// Cust01, Cust02, ... are numbered again without gaps (a damaged one is set aside first and the
// user told), each keeps its enabled flag, a file past the count is taken in as an enabled group,
// and NumCust and NumActCust follow. "Custom conversions have been lost." only when groups were
// counted and no file is left. Call it as the owner. Returns the number of custom groups.
int ReconcileCustomGroups(AppState& app);

} // namespace kalvex
