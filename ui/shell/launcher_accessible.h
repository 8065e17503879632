#pragma once

namespace kalvex {

// Makes the launcher a list for screen readers, with one item per icon named after its group.
// Installing more than once has no further effect.
void InstallLauncherAccessibility();

} // namespace kalvex
