#pragma once

#include <QByteArray>

class QPalette;

namespace kalvex {

// The button images are drawn in a light scheme of fixed colours; each of those colours stands
// for a part of a button (face, edge, text, focus). Painting an image in a palette replaces
// every such colour with the palette's colour for that part, so buttons follow dark palettes
// and style sheets like the standard controls beside them.
QByteArray ArtworkInPalette(QByteArray svg, const QPalette& palette);

} // namespace kalvex
