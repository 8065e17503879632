#include "ui/controls/unit_combo_box.h"

#include "ui/controls/add_unit_command.h"
#include "ui/controls/control_id.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace kalvex {

CUnitComboBox::CUnitComboBox(bool editable, QWidget* parent) : QComboBox(parent)
{
    setEditable(editable);
    if (QLineEdit* edit = lineEdit()) {
        setInsertPolicy(QComboBox::NoInsert);
        // Typed names stay as typed: completing them from the list would change what Add stores.
        setCompleter(nullptr);
        SetControlId(*edit, 1001, QStringLiteral("unitNameEdit"));
        edit->installEventFilter(this);
        connect(edit, &QLineEdit::textEdited, this, [this] { m_typedOver = true; });
    }
    connect(this, &QComboBox::currentIndexChanged, this, [this] { m_typedOver = false; });
    connect(this, &QComboBox::activated, this, [this] { m_typedOver = false; });
}

int CUnitComboBox::SelectedIndex() const
{
    return m_typedOver ? -1 : currentIndex();
}

void CUnitComboBox::Select(int index)
{
    setCurrentIndex(index);
    // Choosing the entry already current must still replace whatever was typed over it.
    if (QLineEdit* edit = lineEdit())
        edit->setText(index >= 0 ? itemText(index) : QString());
    m_typedOver = false;
}

void CUnitComboBox::keyPressEvent(QKeyEvent* event)
{
    if (!EnterAddsUnit(*this, *event))
        QComboBox::keyPressEvent(event);
}

bool CUnitComboBox::eventFilter(QObject* watched, QEvent* event)
{
    // The edit field sees Enter before the combo box when it has the focus itself.
    if (watched == lineEdit() && event->type() == QEvent::KeyPress &&
        EnterAddsUnit(*this, *static_cast<QKeyEvent*>(event)))
        return true;
    return QComboBox::eventFilter(watched, event);
}

} // namespace kalvex
