#pragma once

#include "ui/conversion/group_conversion_dlg.h"

namespace kalvex {

struct AppState;
class CurrentGroup;

// The group editor a conversion window opens from its Factors button, run through the
// application's dialog runner.
FactorEditor GroupFactorEditor(AppState& app, CurrentGroup& current);

} // namespace kalvex
