#include "ui/shell/splash_window.h"

#include "ui/shell/centring.h"
#include "ui/shell/program_images.h"

#include <QPainter>

namespace kalvex {

CSplashWindow::CSplashWindow(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_image(SplashImagePath())
{
    setObjectName(QStringLiteral("splashWindow"));
    setProperty("templateId", kTemplateId);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFixedSize(m_image.defaultSize());
    CentreOnDesktop(*this);
}

void CSplashWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // A vector image, rendered at the screen's own scale.
    m_image.render(&painter, QRectF(QPointF(0, 0), m_image.defaultSize()));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace kalvex
