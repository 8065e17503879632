#include "ui/editing/group_def_form.h"

#include "platform/qt/visible_text.h"
#include "ui/controls/control_id.h"
#include "ui/controls/image_button.h"
#include "ui/controls/unit_combo_box.h"
#include "ui/controls/unit_edit.h"
#include "ui/editing/status_line.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QDialog>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace kalvex {
namespace {

// Lists stay this many characters wide whatever the names; longer names are elided in the list
// and shown whole in the entry's tooltip.
constexpr int kListCharacters = 14;
// The factor field is wide enough for a factor of 15 significant digits, such as one third.
const char* const kTypicalLongFactor = "0.333333333333333";
constexpr int kFieldFrameWidth = 12;

// The form's texts are translated as the editor's own.
QString Tr(const char* text)
{
    return QCoreApplication::translate("kalvex::CGroupDefDlg", text);
}

// Sets a list entry's name, which its tooltip shows whole where the list elides it.
void SetEntryName(QComboBox& list, int index, const QString& name)
{
    list.setItemText(index, name);
    list.setItemData(index, name, Qt::ToolTipRole);
}

void KeepListNarrow(QComboBox& list)
{
    list.setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list.setMinimumContentsLength(kListCharacters);
    list.view()->setTextElideMode(Qt::ElideRight);
    QObject::connect(&list, &QComboBox::currentTextChanged, &list,
                     [&list](const QString& text) { list.setToolTip(text); });
}

QLabel* NewLabel(const QString& text, QWidget* parent, int id = 0, const QString& objectName = {})
{
    auto* label = new QLabel(text, parent);
    if (id != 0)
        SetControlId(*label, id, objectName);
    return label;
}

QFrame* NewFrame(int id, QWidget* parent)
{
    auto* frame = new QFrame(parent);
    frame->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    SetControlId(*frame, id, QStringLiteral("frame%1").arg(id));
    return frame;
}

void CreateFields(GroupDefForm& form, QDialog* dialog)
{
    form.nameEdit = new CUnitEdit(dialog);
    SetControlId(*form.nameEdit, 100, QStringLiteral("nameEdit"));
    form.nameEdit->setMaxLength(kTypedGroupNameLength);
    form.descriptionEdit = new CUnitEdit(dialog);
    SetControlId(*form.descriptionEdit, 108, QStringLiteral("descriptionEdit"));
    form.descriptionEdit->setMaxLength(40);
    form.baseList = new CUnitComboBox(false, dialog);
    SetControlId(*form.baseList, 101, QStringLiteral("baseList"));
    form.factorEdit = new CUnitEdit(dialog);
    SetControlId(*form.factorEdit, 102, QStringLiteral("factorEdit"));
    form.factorEdit->setMaxLength(30);
    form.unitList = new CUnitComboBox(true, dialog);
    SetControlId(*form.unitList, 104, QStringLiteral("unitList"));
    form.unitList->lineEdit()->setMaxLength(41);
    KeepBidiControlsVisible(*form.unitList->lineEdit());
    form.symbolEdit = new CUnitEdit(dialog);
    SetControlId(*form.symbolEdit, 105, QStringLiteral("symbolEdit"));
    form.symbolEdit->setMaxLength(10);
    KeepListNarrow(*form.baseList);
    KeepListNarrow(*form.unitList);
    form.factorEdit->setMinimumWidth(
        form.factorEdit->fontMetrics().horizontalAdvance(QLatin1String(kTypicalLongFactor)) +
        kFieldFrameWidth);
}

void CreateButtons(GroupDefForm& form, QDialog* dialog)
{
    form.addButton = new CImageButton(107, Tr("Add Unit"), dialog);
    SetControlId(*form.addButton, 107, QStringLiteral("addButton"));
    form.changeButton = new CImageButton(118, Tr("Chg Unit"), dialog);
    SetControlId(*form.changeButton, 118, QStringLiteral("changeButton"));
    form.changeButton->SetDisabledImage(7118);
    form.deleteButton = new CImageButton(117, Tr("Del Unit"), dialog);
    SetControlId(*form.deleteButton, 117, QStringLiteral("deleteButton"));
    form.deleteButton->SetDisabledImage(7117);
    form.calcButton = new CImageButton(80, Tr("Calc"), dialog);
    SetControlId(*form.calcButton, 80, QStringLiteral("calcButton"));
    form.okButton = new CImageButton(699, Tr("OK"), dialog);
    SetControlId(*form.okButton, 699, QStringLiteral("okButton"));
    form.cancelButton = new CImageButton(700, Tr("Cancel"), dialog);
    SetControlId(*form.cancelButton, 700, QStringLiteral("cancelButton"));
    form.helpButton = new CImageButton(710, Tr("Help"), dialog);
    SetControlId(*form.helpButton, 710, QStringLiteral("helpButton"));
}

void CreateLabels(GroupDefForm& form, QDialog* dialog)
{
    form.baseLabel = NewLabel(Tr("Base Unit"), dialog, 201, QStringLiteral("baseLabel"));
    form.factorLabel = NewLabel(Tr("x  Factor"), dialog, 202, QStringLiteral("factorLabel"));
    form.countLabel = NewLabel({}, dialog, 112, QStringLiteral("countLabel"));
    // A long unit name in the status must not widen the dialog.
    form.statusLabel = new CStatusLine(dialog);
    SetControlId(*form.statusLabel, 113, QStringLiteral("statusLabel"));
    form.hintLabel = NewLabel({}, dialog, 115, QStringLiteral("hintLabel"));
    form.hintLabel->setWordWrap(true);
    // Names come from files and the user: shown as typed, never as markup.
    for (QLabel* label : {form.countLabel, form.hintLabel})
        label->setTextFormat(Qt::PlainText);
}

// A caption tied to its field: a screen reader reads it as the field's name. The field's own
// name says the same where the caption is terse or the field sits inside another control.
QLabel* Caption(QLabel* label, QWidget& field, const QString& spokenName = {})
{
    label->setBuddy(&field);
    field.setAccessibleName(spokenName.isEmpty() ? label->text() : spokenName);
    if (auto* list = qobject_cast<QComboBox*>(&field))
        list->view()->setAccessibleName(field.accessibleName());
    return label;
}

void NameControls(const GroupDefForm& form)
{
    form.unitList->lineEdit()->setAccessibleName(Tr("Unit name"));
    form.factorEdit->setAccessibleDescription(Tr("How many of the unit make one base unit"));
    form.changeButton->setAccessibleDescription(Tr("Change the chosen unit"));
    form.deleteButton->setAccessibleDescription(Tr("Delete the chosen unit"));
    form.calcButton->setAccessibleDescription(Tr("Work out the factors not given"));
}

void LayOut(const GroupDefForm& form, QDialog* dialog)
{
    auto* texts = NewFrame(7500, dialog);
    auto* textsLayout = new QGridLayout(texts);
    textsLayout->addWidget(Caption(NewLabel(Tr("Group Name"), texts), *form.nameEdit), 0, 0);
    textsLayout->addWidget(form.nameEdit, 0, 1);
    textsLayout->addWidget(Caption(NewLabel(Tr("Description"), texts), *form.descriptionEdit), 1, 0);
    textsLayout->addWidget(form.descriptionEdit, 1, 1);

    auto* units = NewFrame(7501, dialog);
    auto* unitsLayout = new QGridLayout(units);
    unitsLayout->addWidget(Caption(form.baseLabel, *form.baseList), 0, 0);
    unitsLayout->addWidget(Caption(form.factorLabel, *form.factorEdit, Tr("Factor")), 0, 1);
    unitsLayout->addWidget(Caption(NewLabel(Tr("= Unit"), units), *form.unitList, Tr("Unit")), 0, 2);
    unitsLayout->addWidget(Caption(NewLabel(Tr("Symbol"), units), *form.symbolEdit), 0, 3);
    unitsLayout->addWidget(form.baseList, 1, 0);
    unitsLayout->addWidget(form.factorEdit, 1, 1);
    unitsLayout->addWidget(form.unitList, 1, 2);
    unitsLayout->addWidget(form.symbolEdit, 1, 3);
    unitsLayout->setColumnStretch(0, 3);
    unitsLayout->setColumnStretch(1, 2);
    unitsLayout->setColumnStretch(2, 3);
    unitsLayout->setColumnStretch(3, 1);

    auto* unitButtons = NewFrame(7502, dialog);
    auto* unitButtonsLayout = new QHBoxLayout(unitButtons);
    for (QWidget* button : {static_cast<QWidget*>(form.addButton), static_cast<QWidget*>(form.changeButton),
                            static_cast<QWidget*>(form.deleteButton), static_cast<QWidget*>(form.calcButton)})
        unitButtonsLayout->addWidget(button);

    auto* state = NewFrame(7503, dialog);
    auto* stateLayout = new QHBoxLayout(state);
    auto* countCaption = NewLabel(Tr("Units:"), state);
    countCaption->setBuddy(form.countLabel);
    stateLayout->addWidget(countCaption);
    stateLayout->addWidget(form.countLabel);
    stateLayout->addWidget(form.statusLabel, 1);

    auto* hint = NewFrame(7504, dialog);
    auto* hintLayout = new QHBoxLayout(hint);
    hintLayout->addWidget(form.hintLabel);

    auto* dialogButtons = new QHBoxLayout;
    dialogButtons->addStretch();
    dialogButtons->addWidget(form.okButton);
    dialogButtons->addWidget(form.cancelButton);
    dialogButtons->addWidget(form.helpButton);

    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(texts);
    layout->addWidget(units);
    layout->addWidget(unitButtons);
    layout->addWidget(state);
    layout->addWidget(hint);
    layout->addLayout(dialogButtons);
}

} // namespace

GroupDefForm BuildGroupDefForm(QDialog& dialog)
{
    GroupDefForm form;
    CreateFields(form, &dialog);
    CreateButtons(form, &dialog);
    CreateLabels(form, &dialog);
    LayOut(form, &dialog);
    NameControls(form);
    return form;
}

void FocusField(QWidget& field)
{
    field.setFocus();
    if (auto* combo = qobject_cast<QComboBox*>(&field); combo && combo->lineEdit())
        combo->lineEdit()->selectAll();
    else if (auto* edit = qobject_cast<QLineEdit*>(&field))
        edit->selectAll();
}

void GroupDefForm::AppendUnit(const QString& name) const
{
    baseList->addItem(QString());
    unitList->addItem(QString());
    RenameUnit(unitList->count() - 1, name);
}

void GroupDefForm::RenameUnit(int unit, const QString& name) const
{
    SetEntryName(*baseList, unit, name);
    SetEntryName(*unitList, unit, name);
}

int GroupDefForm::FindUnit(const QString& name) const
{
    for (int u = 0; u < unitList->count(); ++u) {
        if (unitList->itemText(u).compare(name, Qt::CaseInsensitive) == 0)
            return u;
    }
    return -1;
}

void GroupDefForm::EnableFactorControls(bool enabled) const
{
    for (QWidget* control : {static_cast<QWidget*>(baseList), static_cast<QWidget*>(factorEdit),
                             static_cast<QWidget*>(baseLabel), static_cast<QWidget*>(factorLabel)})
        control->setEnabled(enabled);
}

} // namespace kalvex
