#pragma once

#include <QScrollBar>

namespace kalvex {

// The value slider of the conversion windows: a horizontal scroll bar whose keys and wheel move
// the value the way its arrows do (right and up add, left and down take away), that shows a
// focus frame while it has the focus, and that disables its dialog's Paste button (control 41)
// when it takes the focus.
class CFocusScrollBar final : public QScrollBar {
    Q_OBJECT
public:
    explicit CFocusScrollBar(Qt::Orientation orientation, QWidget* parent = nullptr);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // The scroll action a key stands for, or SliderNoAction for keys the slider leaves alone.
    SliderAction ActionForKey(int key) const;

    int m_wheelRemainder = 0; // wheel movement short of one notch
};

} // namespace kalvex
