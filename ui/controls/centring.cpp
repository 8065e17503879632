#include "ui/controls/centring.h"

#include "platform/qt/screen_fit.h"

#include <QWidget>

namespace kalvex {

void CentreOnDesktop(QWidget& window)
{
    window.adjustSize();
    FitWithinScreen(window);
    CentreWithinScreen(window);
}

} // namespace kalvex
