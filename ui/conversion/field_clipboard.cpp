#include "ui/conversion/field_clipboard.h"

#include "platform/clipboard.h"
#include "ui/controls/control_id.h"
#include "ui/conversion/conversion_ids.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace kalvex {

using conversion_ids::kInputEdit;

CFieldClipboard::CFieldClipboard(QLineEdit& input, QPushButton& pasteButton, IClipboard& clipboard)
    : m_input(input), m_pasteButton(pasteButton), m_clipboard(clipboard)
{
}

CFieldClipboard::~CFieldClipboard()
{
    for (QLineEdit* field : m_fields)
        field->removeEventFilter(this);
}

void CFieldClipboard::AddField(QLineEdit& field)
{
    m_fields.push_back(&field);
    field.installEventFilter(this);
    connect(&field, &QLineEdit::selectionChanged, this, [this, &field] {
        if (m_writingFields || !field.hasFocus() || ControlId(field) != m_focusId)
            return;
        // Taking the selection away (a click) leaves the whole text to copy.
        m_selectionStart = field.hasSelectedText() ? field.selectionStart() : 0;
        m_selectionLength = field.hasSelectedText() ? int(field.selectedText().size()) : -1;
    });
}

QLineEdit* CFieldClipboard::Field(int id) const
{
    for (QLineEdit* field : m_fields)
        if (ControlId(*field) == id)
            return field;
    return nullptr;
}

void CFieldClipboard::Rewrite(QLineEdit& field, const QString& text)
{
    m_writingFields = true;
    field.setText(text);
    if (ControlId(field) == m_focusId) {
        field.selectAll();
        m_selectionLength = -1;
    }
    m_writingFields = false;
}

void CFieldClipboard::SelectInput()
{
    m_writingFields = true;
    m_input.selectAll();
    m_writingFields = false;
    m_input.setFocus();
    m_focusId = kInputEdit;
    m_selectionStart = 0;
    m_selectionLength = -1;
}

bool CFieldClipboard::eventFilter(QObject* watched, QEvent* event)
{
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (!field || !Field(ControlId(*field)))
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::FocusIn:
        OnFieldFocused(*field);
        break;
    case QEvent::FocusOut:
        // A line edit drops its selection when it loses the focus; these fields keep it shown.
        static_cast<QObject*>(field)->event(event);
        KeepSelectionShown(*field);
        return true;
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
            Copy();
            return true;
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void CFieldClipboard::OnFieldFocused(QLineEdit& field)
{
    const int id = ControlId(field);
    if (m_focusId != 0 && m_focusId != id)
        if (QLineEdit* previous = Field(m_focusId))
            previous->deselect();
    m_writingFields = true;
    field.selectAll();
    m_writingFields = false;
    m_focusId = id;
    m_selectionStart = 0;
    m_selectionLength = -1;
    UpdatePasteButton();
}

void CFieldClipboard::KeepSelectionShown(QLineEdit& field)
{
    if (ControlId(field) != m_focusId)
        return;
    m_writingFields = true;
    if (m_selectionLength < 0)
        field.selectAll();
    else
        field.setSelection(m_selectionStart, m_selectionLength);
    m_writingFields = false;
}

void CFieldClipboard::UpdatePasteButton()
{
    m_pasteButton.setEnabled(MayPaste());
}

bool CFieldClipboard::MayPaste() const
{
    return m_focusId == kInputEdit && m_clipboard.HasText();
}

void CFieldClipboard::Copy()
{
    QLineEdit* field = Field(m_focusId);
    if (!field)
        return;
    QString text = field->text();
    if (m_selectionLength > 0)
        text = text.mid(m_selectionStart, m_selectionLength);
    if (!text.isEmpty())
        CopyText(text);
}

void CFieldClipboard::CopyText(const QString& text)
{
    m_clipboard.SetText(text.toStdString());
}

void CFieldClipboard::Paste()
{
    m_input.setText(QString());
    // A value copied from a table cell ends in a line break, which a one-line field cannot hold.
    const QString pasted = QString::fromStdString(m_clipboard.Text()).section(u'\n', 0, 0).remove(u'\r');
    m_input.insert(pasted);
    m_input.setModified(true);
    m_input.setFocus();
}

} // namespace kalvex
