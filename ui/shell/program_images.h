#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace kalvex {

// The program icon drawn from its vector image, sharp at any size and screen scale.
QIcon ProgramIcon();
// The program icon for windows, in the sizes window systems are given, drawn at build time so
// setting it at start-up renders no vectors.
QIcon ProgramWindowIcon();

// The splash image (bitmap 131) at its own size for a screen of the given scale.
QPixmap SplashImage(qreal devicePixelRatio);

// A vector image drawn at a size in device-independent pixels for a screen of the given scale.
// Taken from the picture drawn at build time when one exists for exactly that size and scale
// (prerendered names the PNG, with %1 for the scale); rendered from the vector otherwise.
// Null when neither can be drawn.
QPixmap DrawnImage(const QString& svgPath, const QString& prerendered, QSize size, qreal devicePixelRatio);

} // namespace kalvex
