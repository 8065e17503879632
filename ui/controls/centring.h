#pragma once

class QWidget;

namespace kalvex {

// Places a window at the centre of the desktop without changing its size, except that a window
// larger than the screen's available area is shrunk to fit; its frame stays on the screen.
void CentreOnDesktop(QWidget& window);

} // namespace kalvex
