#include "ui/shell/program_images.h"

namespace kalvex {

QIcon ProgramIcon()
{
    return QIcon(QStringLiteral(":/images/kalvex.svg"));
}

QString SplashImagePath()
{
    return QStringLiteral(":/images/splash_131.svg");
}

} // namespace kalvex
