#include "ui/shell/find_unit_bar_hint.h"

#include <QPainter>
#include <QStyle>
#include <QTextLayout>
#include <algorithm>

namespace kalvex {
namespace {

constexpr int kMaxLines = 3;
// What the hint asks for when the window has room; it takes whatever width it is given.
constexpr int kPreferredChars = 40;

} // namespace

CFindUnitHint::CFindUnitHint(QWidget* parent) : QLabel(parent)
{
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

QStringList CFindUnitHint::ShownLines(int textWidth) const
{
    const QString hint = text();
    const int width = std::max(textWidth, 1);
    QTextLayout layout(hint, font());
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        if (lines.size() == kMaxLines - 1) {
            // Cut in the middle: the end names the group of the unit.
            lines << fontMetrics().elidedText(hint.mid(line.textStart()), Qt::ElideMiddle, width);
            break;
        }
        lines << hint.mid(line.textStart(), line.textLength());
    }
    layout.endLayout();
    return lines;
}

int CFindUnitHint::heightForWidth(int width) const
{
    const QMargins margins = contentsMargins();
    const auto lines = ShownLines(width - margins.left() - margins.right()).size();
    return int(std::max<qsizetype>(lines, 1)) * fontMetrics().lineSpacing() + margins.top() +
           margins.bottom();
}

QSize CFindUnitHint::sizeHint() const
{
    const int width = fontMetrics().averageCharWidth() * kPreferredChars;
    return {width, heightForWidth(width)};
}

QSize CFindUnitHint::minimumSizeHint() const
{
    const QMargins margins = contentsMargins();
    return {0, fontMetrics().lineSpacing() + margins.top() + margins.bottom()};
}

void CFindUnitHint::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect area = contentsRect();
    const int lineHeight = fontMetrics().lineSpacing();
    QRect lineArea(area.left(), area.top(), area.width(), lineHeight);
    for (const QString& line : ShownLines(area.width())) {
        style()->drawItemText(&painter, lineArea, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                              palette(), isEnabled(), line, foregroundRole());
        lineArea.translate(0, lineHeight);
    }
}

} // namespace kalvex
