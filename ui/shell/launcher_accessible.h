#pragma once

namespace kalvex {

class CKalvexView;

// Makes the launcher a list for screen readers, with one item per icon named after its group.
// Installing more than once has no further effect.
void InstallLauncherAccessibility();

// Tells assistive technology that the launcher's icons were laid out anew.
void NotifyLauncherReordered(CKalvexView* view);
// Tells assistive technology that icon `entry` is now the selected one.
void NotifyLauncherSelection(CKalvexView* view, int entry);

} // namespace kalvex
