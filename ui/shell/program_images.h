#pragma once

#include <QIcon>
#include <QString>

namespace kalvex {

// The program icon and the splash image (bitmap 131), drawn from vector images so they stay
// sharp at any screen scale.
QIcon ProgramIcon();
QString SplashImagePath();

} // namespace kalvex
