#pragma once

#include <QByteArray>
#include <QColor>

class QPalette;

namespace kalvex {

// The button images are drawn in a light scheme of fixed colours; each of those colours stands
// for a part of a button (face, edge, text, focus). Painting an image in a palette replaces
// every such colour with the palette's colour for that part, so buttons follow dark palettes
// and style sheets like the standard controls beside them.
QByteArray ArtworkInPalette(QByteArray svg, const QPalette& palette);

// Just above the face: the lit side of a button, and the raised edge of the lettering on a
// disabled one (brighter would glow on dark faces).
QColor FaceHighlight(const QPalette& palette);

} // namespace kalvex
