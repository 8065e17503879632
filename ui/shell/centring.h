#pragma once

class QWidget;

namespace kalvex {

// Places a window at the centre of the desktop without changing its size.
void CentreOnDesktop(QWidget& window);

} // namespace kalvex
