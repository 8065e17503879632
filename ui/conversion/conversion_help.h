#pragma once

#include "ui/controls/context_help.h"

namespace kalvex {

// Help tables (control id, topic), ended by {0, 0}, of the two group conversion layouts.
const HelpPair* ChosenUnitsHelpTable();
const HelpPair* AllUnitsHelpTable();

} // namespace kalvex
