#include "ui/shell/launcher_icons.h"

#include "core/group_ids.h"
#include "ui/shell/launcher_texts.h"

#include <QPainter>
#include <QSvgRenderer>

namespace kalvex {

QString GroupIconPath(int groupIndex)
{
    QString name = QStringLiteral("custom");
    if (groupIndex >= 0 && groupIndex < kCustomGroupIndex) {
        name = GroupMenuLabel(groupIndex);
        name.remove(QLatin1Char('&')).remove(QLatin1Char(' '));
    }
    return QStringLiteral(":/icons/") + name.toLower() + QStringLiteral(".svg");
}

QPixmap RenderGroupIcon(int groupIndex, QSize size, qreal devicePixelRatio)
{
    QSvgRenderer renderer(GroupIconPath(groupIndex));
    if (!renderer.isValid())
        return {};
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

} // namespace kalvex
