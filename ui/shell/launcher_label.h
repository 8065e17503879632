#pragma once

#include <QString>

class QFontMetrics;
class QPainter;
class QPalette;
class QRect;

namespace kalvex {

// The text drawn for a group name in its label box: the name itself when it fits centred and
// word-wrapped, otherwise the name cut from its end with "..." appended, at the least "...".
QString FitLabel(const QFontMetrics& metrics, const QRect& box, const QString& name);

// Draws a label centred and word-wrapped in its box, as plain text ("&" is shown, not taken for
// a mnemonic), in the colours of the palette of the window it is drawn for: text on the base
// colour, or highlighted text on the highlight colour when selected.
void DrawLabel(QPainter& painter, const QPalette& palette, const QRect& box, const QString& name,
               bool selected);

} // namespace kalvex
