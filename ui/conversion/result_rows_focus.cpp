#include "ui/conversion/result_rows_focus.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>

namespace kalvex {

void CResultRowsFocus::AddRow(QLineEdit& field)
{
    field.setFocusPolicy(m_rows.empty() ? Qt::StrongFocus : Qt::ClickFocus);
    field.installEventFilter(this);
    m_rows.push_back(&field);
}

void CResultRowsFocus::MakeTabStop(const QLineEdit& field)
{
    for (QLineEdit* row : m_rows)
        row->setFocusPolicy(row == &field ? Qt::StrongFocus : Qt::ClickFocus);
}

void CResultRowsFocus::FocusRows() const
{
    const auto tabStop = std::find_if(m_rows.begin(), m_rows.end(), [](const QLineEdit* row) {
        return row->focusPolicy() == Qt::StrongFocus && row->isEnabled();
    });
    if (QLineEdit* row = tabStop != m_rows.end() ? *tabStop : EnabledRow(-1, 1))
        row->setFocus(Qt::ShortcutFocusReason);
}

bool CResultRowsFocus::HasFocus() const
{
    return std::any_of(m_rows.begin(), m_rows.end(), [](const QLineEdit* row) { return row->hasFocus(); });
}

QLineEdit* CResultRowsFocus::EnabledRow(int from, int step) const
{
    for (int row = from + step; row >= 0 && row < int(m_rows.size()); row += step)
        if (m_rows[std::size_t(row)]->isEnabled())
            return m_rows[std::size_t(row)];
    return nullptr;
}

bool CResultRowsFocus::MoveFocus(const QLineEdit& field, int key)
{
    const int row = int(std::find(m_rows.begin(), m_rows.end(), &field) - m_rows.begin());
    QLineEdit* target = nullptr;
    switch (key) {
    case Qt::Key_Up:
        target = EnabledRow(row, -1);
        break;
    case Qt::Key_Down:
        target = EnabledRow(row, 1);
        break;
    case Qt::Key_Home:
        target = EnabledRow(-1, 1);
        break;
    case Qt::Key_End:
        target = EnabledRow(int(m_rows.size()), -1);
        break;
    default:
        return false;
    }
    // At the first or last row the key still belongs to the rows; the caret stays put.
    if (target)
        target->setFocus(Qt::OtherFocusReason);
    return true;
}

bool CResultRowsFocus::eventFilter(QObject* watched, QEvent* event)
{
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (!field)
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::FocusIn)
        MakeTabStop(*field);
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // Shift with Home or End still selects part of the text.
        if ((key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && MoveFocus(*field, key->key()))
            return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace kalvex
