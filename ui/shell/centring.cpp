#include "ui/shell/centring.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace kalvex {

void CentreOnDesktop(QWidget& window)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    window.adjustSize();
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

} // namespace kalvex
