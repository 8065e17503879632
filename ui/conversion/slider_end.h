#pragma once

#include <QWidget>

namespace kalvex {

// The mark at one end of the value slider: an arrow pointing to smaller or larger values,
// drawn by the style in the colours of the widget's own palette.
class CSliderEnd final : public QWidget {
    Q_OBJECT
public:
    CSliderEnd(Qt::ArrowType direction, QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Qt::ArrowType m_direction;
};

} // namespace kalvex
