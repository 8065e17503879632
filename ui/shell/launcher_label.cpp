#include "ui/shell/launcher_label.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPalette>
#include <QRect>

namespace kalvex {

namespace {

constexpr int kLabelFlags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;

bool Fits(const QFontMetrics& metrics, const QRect& box, const QString& text)
{
    const QRect needed = metrics.boundingRect(box, kLabelFlags, text);
    return needed.width() <= box.width() && needed.height() <= box.height();
}

} // namespace

QString FitLabel(const QFontMetrics& metrics, const QRect& box, const QString& name)
{
    if (Fits(metrics, box, name))
        return name;
    for (qsizetype keep = name.size() - 1; keep > 0; --keep) {
        const QString shortened = name.left(keep) + QStringLiteral("...");
        if (Fits(metrics, box, shortened))
            return shortened;
    }
    return QStringLiteral("...");
}

void DrawLabel(QPainter& painter, const QPalette& palette, const QRect& box, const QString& name,
               bool selected)
{
    const QString text = FitLabel(painter.fontMetrics(), box, name);
    painter.fillRect(box, selected ? palette.color(QPalette::Highlight) : palette.color(QPalette::Base));
    painter.setPen(selected ? palette.color(QPalette::HighlightedText) : palette.color(QPalette::Text));
    painter.drawText(box, kLabelFlags, text);
}

} // namespace kalvex
