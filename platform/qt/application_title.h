#pragma once

#include <QString>

namespace kalvex {

// The application title: it captions message boxes, names the profile's application key and
// the single-instance lock.
inline QString ApplicationTitle()
{
    return QStringLiteral("Kalvex!");
}

} // namespace kalvex
