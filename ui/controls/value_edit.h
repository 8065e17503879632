#pragma once

#include <QLineEdit>

namespace kalvex {

// The value entry field of the conversion windows. Enter gives the dialog the same notice as
// losing the focus (focusLost), and its help topic is 17001.
class CValueEdit final : public QLineEdit {
    Q_OBJECT
public:
    explicit CValueEdit(QWidget* parent = nullptr);

signals:
    // Emitted when the field loses the focus and when Enter is pressed in it.
    void focusLost();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

} // namespace kalvex
