#include "ui/shell/splash_window.h"

#include "platform/qt/application_title.h"
#include "platform/qt/window_accessible.h"
#include "ui/controls/centring.h"
#include "ui/shell/program_images.h"

#include <QPainter>

namespace kalvex {

CSplashWindow::CSplashWindow(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_image(SplashImage(devicePixelRatioF()))
{
    ReadAsWindow(staticMetaObject);
    setObjectName(QStringLiteral("splashWindow"));
    // The picture shows the program's name; assistive tools read it from here.
    setAccessibleName(ApplicationTitle());
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
