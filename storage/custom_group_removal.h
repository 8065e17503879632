#pragma once

#include <string>

namespace kalvex {

struct AppState;

enum class RemovalOutcome {
    Removed,
    Moved, // the groups changed since the user chose: another group now has that number
    Failed // a file step failed; the next reconciliation finishes what was begun
};

// Removes custom group k, provided it still carries the name the user was asked about. Every
// later group moves down one number with its enabled flag, so the groups stay numbered Cust01 ..
// CustNN; the files are renamed, so a link among them is moved, never written through. Takes
// the custom groups' ownership and reads the set afresh under it.
RemovalOutcome RemoveCustomGroup(AppState& app, int k, const std::string& name);

} // namespace kalvex
