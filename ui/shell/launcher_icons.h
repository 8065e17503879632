#pragma once

#include <QPixmap>
#include <QString>

namespace kalvex {

// Resource path of a group's icon. A standard group's icon is named after its menu label
// without "&" and blanks, matched without regard to case; custom groups share "Custom".
QString GroupIconPath(int groupIndex);

// The group's icon drawn at the given size in device-independent pixels for a screen of the
// given scale, so it stays sharp on high-density screens. Null when there is no such icon.
QPixmap RenderGroupIcon(int groupIndex, QSize size, qreal devicePixelRatio);

} // namespace kalvex
