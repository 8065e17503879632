#include "ui/controls/fitting_scroll_area.h"

#include <QApplication>
#include <QScrollBar>
#include <algorithm>

namespace kalvex {

CFittingScrollArea::CFittingScrollArea(QWidget& content, QWidget* parent) : QScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setWidget(&content);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    // The area is no stop of its own; a control inside it that gets the focus is scrolled
    // into view, however the focus came.
    setFocusPolicy(Qt::NoFocus);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now && widget()->isAncestorOf(now))
            ensureWidgetVisible(now);
    });
}

QSize CFittingScrollArea::sizeHint() const
{
    const int frame = 2 * frameWidth();
    return widget()->sizeHint() + QSize(frame, frame);
}

QSize CFittingScrollArea::minimumSizeHint() const
{
    // The content's full width beside a scroll bar, and a few lines of it: the rest can be
    // scrolled to.
    constexpr int kLinesAtLeast = 3;
    const int frame = 2 * frameWidth();
    const QSize content = widget()->minimumSizeHint();
    return {content.width() + verticalScrollBar()->sizeHint().width() + frame,
            std::min(content.height(), kLinesAtLeast * fontMetrics().height()) + frame};
}

} // namespace kalvex
