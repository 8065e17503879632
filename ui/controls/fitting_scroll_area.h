#pragma once

#include <QScrollArea>

namespace kalvex {

// A scroll area that asks for the room its whole content needs, so scroll bars appear only when
// the window cannot grow that large (a short screen) and the area has to give way.
class CFittingScrollArea final : public QScrollArea {
    Q_OBJECT
public:
    explicit CFittingScrollArea(QWidget& content, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
};

} // namespace kalvex
