#pragma once

class QWidget;

namespace kalvex {

// Keeps a window, frame included, within the available area of its screen (the screen less
// panels and docks), so that its title bar and buttons can always be reached.

// Shrinks a window larger than the available area to fit (as far as its minimum size allows).
void FitWithinScreen(QWidget& window);
// Places a window at the centre of the available area; a window that still does not fit keeps
// its top-left corner, where the title bar is, on the screen.
void CentreWithinScreen(QWidget& window);
// Widens a window, as far as the available area allows, so that the title bar the window
// manager draws has room for the whole title beside its buttons.
void WidenForTitle(QWidget& window);

} // namespace kalvex
