#pragma once

#include "ui/controls/control_id.h"
#include "ui/controls/unit_combo_box.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QTest>

namespace kalvex::testing {

// Drives a group definition editor as a user does: typing into its fields, pressing its buttons.
class GroupEditorDriver {
public:
    explicit GroupEditorDriver(QWidget& editor) : m_editor(editor) {}

    QLineEdit* Field(int id) const { return FindControl<QLineEdit>(m_editor, id); }
    CUnitComboBox* List(int id) const { return FindControl<CUnitComboBox>(m_editor, id); }
    QLineEdit* UnitField() const { return List(104)->lineEdit(); }

    static void Type(QLineEdit* field, const QString& text)
    {
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, text);
    }
    void Click(int id) const
    {
        QTest::mouseClick(FindControl<QAbstractButton>(m_editor, id), Qt::LeftButton);
    }
    static void Choose(QComboBox* list, int index)
    {
        list->setCurrentIndex(index);
        emit list->activated(index);
    }
    // Types a unit, its symbol and its factor against the base (the factor field takes nothing
    // before the first unit exists), then presses Enter as Add Unit in the last field typed into.
    void AddUnit(const QString& name, const QString& symbol, const QString& factor) const
    {
        Type(UnitField(), name);
        Type(Field(105), symbol);
        QLineEdit* last = Field(105);
        if (Field(102)->isEnabled()) {
            Type(Field(102), factor);
            last = Field(102);
        }
        QTest::keyClick(last, Qt::Key_Return);
    }
    // Chooses a unit in the unit list, types its factor against the base and presses Calc.
    void Calculate(int unit, const QString& factor) const
    {
        Choose(List(104), unit);
        Type(Field(102), factor);
        Click(80);
    }

private:
    QWidget& m_editor;
};

} // namespace kalvex::testing
