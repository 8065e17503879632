#pragma once

#include <QScrollBar>

namespace kalvex {

// A scroll bar that disables its dialog's Paste button (control 41) when it takes the focus.
class CFocusScrollBar final : public QScrollBar {
    Q_OBJECT
public:
    explicit CFocusScrollBar(Qt::Orientation orientation, QWidget* parent = nullptr);

protected:
    void focusInEvent(QFocusEvent* event) override;
};

} // namespace kalvex
