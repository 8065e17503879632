#include "ui/shell/launcher_icons.h"

#include "core/group_ids.h"
#include "ui/shell/launcher_texts.h"
#include "ui/shell/program_images.h"

namespace kalvex {

namespace {

QString GroupIconName(int groupIndex)
{
    QString name = QStringLiteral("custom");
    if (groupIndex >= 0 && groupIndex < kCustomGroupIndex) {
        name = GroupMenuLabel(groupIndex);
        name.remove(QLatin1Char('&')).remove(QLatin1Char(' '));
    }
    return name.toLower();
}

} // namespace

QString GroupIconPath(int groupIndex)
{
    return QStringLiteral(":/icons/") + GroupIconName(groupIndex) + QStringLiteral(".svg");
}

QPixmap RenderGroupIcon(int groupIndex, QSize size, qreal devicePixelRatio)
{
    // Square icons are drawn at build time for the usual sizes ("<name>-<side>@<scale>x.png").
    const QString prerendered =
        QStringLiteral(":/icons/%1-%2@").arg(GroupIconName(groupIndex)).arg(size.width()) +
        QStringLiteral("%1x.png");
    return DrawnImage(GroupIconPath(groupIndex), prerendered, size, devicePixelRatio);
}

} // namespace kalvex
