#pragma once

#include <QScrollBar>
#include <QString>

namespace kalvex {

// What a value slider stands for, as assistive tools read it: a value in the window's unit,
// not the thumb's place among the slider's fixed positions.
struct SliderReading {
    double value = 0.0;
    double minimum = 0.0;
    double maximum = 0.0;
    QString text; // the value with its unit, "250 fahrenheit"

    bool operator==(const SliderReading&) const = default;
};

// The value slider of the conversion windows: a horizontal scroll bar whose keys and wheel move
// the value the way its arrows do (right and up add, left and down take away), that shows a
// focus frame while it has the focus, and that disables its dialog's Paste button (control 41)
// when it takes the focus. Assistive tools read its reading, not its position.
class CFocusScrollBar final : public QScrollBar {
    Q_OBJECT
public:
    explicit CFocusScrollBar(Qt::Orientation orientation, QWidget* parent = nullptr);

    const SliderReading& Reading() const { return m_reading; }
    // Tells assistive tools when the value they read changed.
    void SetReading(const SliderReading& reading);

signals:
    // An assistive tool set the slider to this value.
    void valueRequested(double value);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // The scroll action a key stands for, or SliderNoAction for keys the slider leaves alone.
    SliderAction ActionForKey(int key) const;

    int m_wheelRemainder = 0; // wheel movement short of one notch
    SliderReading m_reading;
};

} // namespace kalvex
