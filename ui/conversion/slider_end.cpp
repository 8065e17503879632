#include "ui/conversion/slider_end.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOption>

namespace kalvex {
namespace {

constexpr int kMarkSize = 16;

} // namespace

CSliderEnd::CSliderEnd(Qt::ArrowType direction, QWidget* parent) : QWidget(parent), m_direction(direction)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize CSliderEnd::sizeHint() const
{
    return {kMarkSize, kMarkSize};
}

void CSliderEnd::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QStyleOption option;
    option.initFrom(this);
    const QStyle::PrimitiveElement arrow =
        m_direction == Qt::LeftArrow ? QStyle::PE_IndicatorArrowLeft : QStyle::PE_IndicatorArrowRight;
    style()->drawPrimitive(arrow, &option, &painter, this);
}

} // namespace kalvex
