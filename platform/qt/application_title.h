#pragma once

#include <QCoreApplication>
#include <QString>

namespace kalvex {

// The application title: it captions message boxes, names the profile's application key and
// the single-instance lock.
inline QString ApplicationTitle()
{
    return QStringLiteral("Kalvex!");
}

// The names the settings are filed under; every run sets them before it reads a setting.
inline void SetApplicationNames()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Qor Corporation"));
    QCoreApplication::setApplicationName(ApplicationTitle());
}

} // namespace kalvex
