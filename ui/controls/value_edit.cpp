#include "ui/controls/value_edit.h"

#include <QKeyEvent>

namespace kalvex {

CValueEdit::CValueEdit(QWidget* parent) : QLineEdit(parent)
{
    setProperty("helpId", 17001);
}

void CValueEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // Enter means "take this value", exactly as leaving the field does.
        emit focusLost();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void CValueEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    emit focusLost();
}

} // namespace kalvex
