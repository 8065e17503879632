#pragma once

class QWidget;

namespace kalvex {

// Disables the Paste button (control 41) of the window that holds control: Paste only works
// while the value field is the selected field.
void DisablePasteOf(const QWidget& control);

} // namespace kalvex
