#pragma once

#include <QString>

class QFontMetrics;
class QPainter;
class QRect;

namespace kalvex {

// The text drawn for a group name in its label box: the name itself when it fits centred and
// word-wrapped, otherwise the name cut from its end with "..." appended, at the least "...".
QString FitLabel(const QFontMetrics& metrics, const QRect& box, const QString& name);

// Draws a label centred and word-wrapped in its box; "&" underlines the next character.
// Selected labels stand on the highlight colour in the highlight-text colour.
void DrawLabel(QPainter& painter, const QRect& box, const QString& name, bool selected);

} // namespace kalvex
