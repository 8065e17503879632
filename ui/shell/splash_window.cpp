#include "ui/shell/splash_window.h"

#include "ui/controls/centring.h"
#include "ui/shell/program_images.h"

#include <QPainter>

namespace kalvex {

CSplashWindow::CSplashWindow(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_image(SplashImage(devicePixelRatioF()))
{
    setObjectName(QStringLiteral("splashWindow"));
    setProperty("templateId", kTemplateId);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFixedSize(m_image.deviceIndependentSize().toSize());
    CentreOnDesktop(*this);
}

void CSplashWindow::paintEvent(QPaintEvent*)
{
    // Drawn for the scale of the screen the window is on, so it stays sharp there too.
    if (m_image.devicePixelRatio() != devicePixelRatioF())
        m_image = SplashImage(devicePixelRatioF());
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_image);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace kalvex
