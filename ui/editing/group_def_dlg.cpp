#include "ui/editing/group_def_dlg.h"

#include "core/conversion.h"
#include "core/group_ids.h"
#include "platform/qt/visible_text.h"
#include "storage/app_state.h"
#include "storage/current_group.h"
#include "ui/controls/context_help.h"
#include "ui/controls/derive_report.h"
#include "ui/controls/image_button.h"
#include "ui/controls/unit_combo_box.h"
#include "ui/controls/unit_edit.h"
#include "ui/editing/factor_text.h"
#include "ui/editing/group_def_rules.h"
#include "ui/editing/status_line.h"

#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <algorithm>
#include <cstdlib>
#include <optional>

namespace kalvex {
namespace {

constexpr HelpPair kHelpTable[] = {
    {101, 17011}, {102, 17012}, {104, 17013}, {1001, 17013}, {105, 17014}, {107, 17015}, {118, 17016},
    {117, 17017}, {80, 17018},  {100, 17019}, {108, 17020},  {699, 17021}, {700, 17022}, {0, 0},
};

constexpr int kCreateHelpTopic = 1220;
constexpr int kEditHelpTopic = 3010;
constexpr int kModFactImageBase = 999;

const char* const kUnitsHint =
    "You may add, change or delete any conversion units, and change conversion factors.";
const char* const kStandardFactorsHint =
    "You may modify the conversion factors. However, you cannot add, change or "
    "delete any conversion units.";
const char* const kCustomFactorsHint =
    "You may modify the conversion factors. However, you cannot add, change or "
    "delete any conversion units. To add units use the Units command.";

QString Printf(const char* format, const std::string& value)
{
    return QString::asprintf(format, value.c_str());
}

QString Numbered(const char* format, int number)
{
    return QString::asprintf(format, number);
}

const char* const kNullUnitText =
    "You cannot add a null unit.  Enter a unit name in the Unit field and a conversion factor in "
    "the Factor field, if appropriate.";
const char* const kFactorNotPositiveText = "Factor must be greater than 0.";
const char* const kCommaInUnitText = "A unit name or symbol cannot contain a comma.";

} // namespace

CGroupDefDlg::CGroupDefDlg(AppState& app, CurrentGroup& current, int groupId, int signedUnitCount,
                           QWidget* parent)
    : QDialog(parent), m_app(app), m_current(current), m_groupId(groupId)
{
    BuildControls();
    Open(signedUnitCount);
}

CGroupDefDlg::~CGroupDefDlg() = default;

void CGroupDefDlg::BuildControls()
{
    m_form = BuildGroupDefForm(*this);
    connect(m_form.baseList, &QComboBox::activated, this, &CGroupDefDlg::OnSelectBaseUnit);
    connect(m_form.unitList, &QComboBox::activated, this, &CGroupDefDlg::OnSelectUnit);
    connect(m_form.addButton, &QPushButton::clicked, this, &CGroupDefDlg::OnAddUnit);
    connect(m_form.changeButton, &QPushButton::clicked, this, &CGroupDefDlg::OnChangeUnit);
    connect(m_form.deleteButton, &QPushButton::clicked, this, &CGroupDefDlg::OnDeleteUnit);
    connect(m_form.calcButton, &QPushButton::clicked, this, &CGroupDefDlg::OnCalculate);
    connect(m_form.okButton, &QPushButton::clicked, this, &CGroupDefDlg::OnAccept);
    connect(m_form.cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_form.helpButton, &QPushButton::clicked, this, &CGroupDefDlg::OnHelp);

    new CContextHelp(*this, kHelpTable, *m_app.services.help);
}

void CGroupDefDlg::Open(int signedUnitCount)
{
    m_mayChangeUnits = signedUnitCount >= 0;
    const int n = std::min(std::abs(signedUnitCount), kMaxUnits);
    const CConversion& group = m_current.Record();
    m_copy.LoadFrom(group, n);
    m_hint = QString::fromUtf8(kUnitsHint);
    if (n == 0) {
        m_creating = true;
        m_newCustomNumber = m_app.m_numCust + 1;
        setWindowTitle(Printf("Create %s Group", GroupTag(CustomGroupId(m_newCustomNumber))));
        m_groupName = Numbered("Custom%.2d", m_newCustomNumber);
        m_description = QStringLiteral("My own group of conversions.");
        m_form.EnableFactorControls(false);
        m_form.changeButton->setEnabled(false);
    } else {
        if (m_mayChangeUnits)
            setWindowTitle(
                QStringLiteral("Modify %1 Conversion Units").arg(WithVisibleBidiControls(group.m_name)));
        else
            setWindowTitle(QStringLiteral("Modify %1 Factors").arg(WithVisibleBidiControls(group.m_name)));
        if (!m_mayChangeUnits)
            m_hint = QString::fromUtf8(IsCustomGroup(m_groupId) ? kCustomFactorsHint : kStandardFactorsHint);
        m_groupName = WithVisibleBidiControls(group.m_name);
        m_description = QString::fromStdString(group.m_description);
    }
    for (int u = 0; u < n; ++u)
        m_form.AppendUnit(WithVisibleBidiControls(UnitName(m_copy.Unit(u))));

    const bool hasUnits = n > 0;
    m_unitSelection = hasUnits ? 0 : -1;
    m_baseIndex = hasUnits ? 0 : -1;
    m_unitName = hasUnits ? m_form.unitList->itemText(0) : QString();
    m_factor = m_copy.Factor(0, 0);
    m_symbol = hasUnits ? WithVisibleBidiControls(UnitSymbol(m_copy.Unit(0))) : QString();

    if (!m_mayChangeUnits) {
        m_form.addButton->SetImageBase(kModFactImageBase);
        m_form.addButton->setText(tr("Mod Fact"));
        m_form.addButton->setAccessibleDescription(tr("Keep the factor of the chosen unit"));
        m_form.changeButton->setEnabled(false);
        m_form.deleteButton->setEnabled(false);
        m_form.nameEdit->setEnabled(false);
        m_form.descriptionEdit->setEnabled(false);
        m_form.symbolEdit->setReadOnly(true);
        m_form.unitList->lineEdit()->setReadOnly(true);
    }
    m_form.nameEdit->setMaxLength(std::max<int>(kTypedGroupNameLength, int(m_groupName.size())));
    WriteFields();
    m_openedCopy = m_copy;
    m_openedName = m_groupName;
    m_openedDescription = m_description;
    m_form.unitList->setFocus();
}

void CGroupDefDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (const QScreen* shown = screen())
        move(shown->availableGeometry().center() - rect().center());
}

void CGroupDefDlg::ReadTexts()
{
    m_groupName = m_form.nameEdit->text();
    m_description = m_form.descriptionEdit->text();
    m_baseIndex = m_form.baseList->currentIndex();
    m_unitSelection = m_form.unitList->SelectedIndex();
    m_unitName = m_form.unitList->currentText();
    m_symbol = m_form.symbolEdit->text();
}

bool CGroupDefDlg::ReadFields()
{
    ReadTexts();
    // Before the first unit exists the factor field is disabled: nothing typed there to read.
    if (!m_form.factorEdit->isEnabled())
        return true;
    const std::optional<double> factor = ReadFactorText(m_form.factorEdit->text());
    if (!factor) {
        m_app.services.messages->Beep(MessageIcon::Warning);
        m_app.services.messages->Show(
            {"Please enter a number.", "", MessageButtons::Ok, MessageIcon::Warning});
        FocusField(*m_form.factorEdit);
        return false;
    }
    m_factor = *factor;
    return true;
}

void CGroupDefDlg::WriteFields()
{
    m_form.nameEdit->setText(m_groupName);
    m_form.descriptionEdit->setText(m_description);
    m_form.baseList->Select(m_baseIndex);
    if (m_unitSelection >= 0) {
        m_form.unitList->Select(m_unitSelection);
    } else {
        if (m_form.unitList->currentIndex() >= 0)
            m_form.unitList->Select(-1);
        m_form.unitList->setEditText(m_unitName);
    }
    m_form.factorEdit->setText(QString::asprintf("%.*g", 15, m_factor));
    m_form.symbolEdit->setText(m_symbol);
    m_form.countLabel->setText(QString::number(m_copy.Count()));
    m_form.countLabel->setAccessibleName(tr("Units: %1").arg(m_copy.Count()));
    m_form.statusLabel->SetFullText(m_status);
    m_form.hintLabel->setText(m_hint);
}

void CGroupDefDlg::Refuse(const QString& text)
{
    m_app.services.messages->Beep(MessageIcon::Information);
    m_app.services.messages->Show({text.toStdString(), "", MessageButtons::Ok, MessageIcon::Information});
}

void CGroupDefDlg::RefuseAt(QWidget& field, const QString& text)
{
    Refuse(text);
    FocusField(field);
}

bool CGroupDefDlg::UnitTextsAcceptable()
{
    switch (CheckUnitTexts(m_unitName.toStdString(), m_symbol.toStdString())) {
    case UnitTextFault::None:
        return true;
    case UnitTextFault::NoName:
        m_app.services.messages->Show({kNullUnitText, "", MessageButtons::Ok, MessageIcon::Stop});
        FocusField(*m_form.unitList);
        return false;
    case UnitTextFault::CommaInName:
        RefuseAt(*m_form.unitList, tr(kCommaInUnitText));
        return false;
    case UnitTextFault::CommaInSymbol:
        RefuseAt(*m_form.symbolEdit, tr(kCommaInUnitText));
        return false;
    }
    return false;
}

bool CGroupDefDlg::AcceptableGroupName()
{
    if (GroupNameAcceptable(m_groupName.toStdString(), m_creating, m_groupId))
        return true;
    RefuseAt(*m_form.nameEdit, tr("You must enter a group name."));
    return false;
}

bool CGroupDefDlg::FactorFits(int unit, int unitCount)
{
    const FactorEntry entry{unit, m_baseIndex, m_factor, WithBidiControlsFromVisible(m_unitName),
                            WithBidiControlsFromVisible(m_symbol)};
    if (AllPairsFit(UnstorableFactorAfter(m_copy, entry, unitCount)))
        return true;
    FocusField(*m_form.factorEdit);
    return false;
}

bool CGroupDefDlg::AllPairsFit(const std::optional<UnstorablePair>& unstorable)
{
    if (!unstorable)
        return true;
    Refuse(tr("The factor for converting '%1' to '%2' would be too large or too small to store. "
              "Nothing was changed.")
               .arg(QString::fromStdString(unstorable->unit), QString::fromStdString(unstorable->other)));
    return false;
}

bool CGroupDefDlg::Changed()
{
    ReadTexts();
    return !(m_copy == m_openedCopy) || m_groupName != m_openedName || m_description != m_openedDescription;
}

void CGroupDefDlg::OnSelectBaseUnit(int index)
{
    // The factor field is about to show the new pair's factor, so whatever it held is not read.
    ReadTexts();
    m_baseIndex = index;
    if (m_unitSelection < 0 || index < 0)
        return;
    m_factor = m_copy.Factor(m_unitSelection, index);
    WriteFields();
}

void CGroupDefDlg::OnSelectUnit(int index)
{
    ReadTexts();
    if (index < 0 || index >= m_copy.Count())
        return;
    m_lastSelectedUnit = index;
    m_unitSelection = index;
    m_unitName = m_form.unitList->itemText(index);
    m_symbol = WithVisibleBidiControls(UnitSymbol(m_copy.Unit(index)));
    if (m_baseIndex >= 0)
        m_factor = m_copy.Factor(index, m_baseIndex);
    WriteFields();
}

void CGroupDefDlg::OnAddUnit()
{
    if (!ReadFields())
        return;
    if (!m_mayChangeUnits) {
        ChangeUnit();
        return;
    }
    const QString name = m_unitName;
    if (!UnitTextsAcceptable())
        return;
    if (m_copy.Count() == 0) {
        AddFirstUnit();
        return;
    }
    if (!IsPositiveFactor(m_factor)) {
        RefuseAt(*m_form.factorEdit, tr(kFactorNotPositiveText));
        return;
    }
    if (m_baseIndex < 0)
        m_baseIndex = 0;
    int unit = m_form.FindUnit(name);
    const char* verb = "added";
    if (unit >= 0) {
        m_app.services.messages->Beep(MessageIcon::Question);
        const QString question =
            name + QStringLiteral(" already exists. Do you wish to change the factor or symbol?");
        const MessageAnswer answer = m_app.services.messages->Show(
            {question.toStdString(), "", MessageButtons::YesNo, MessageIcon::Question});
        if (answer != MessageAnswer::Yes) {
            m_symbol = WithVisibleBidiControls(UnitSymbol(m_copy.Unit(unit)));
            m_factor = m_copy.Factor(unit, m_baseIndex);
            WriteFields();
            return;
        }
        verb = "changed";
        if (unit != m_baseIndex && !FactorFits(unit, m_copy.Count()))
            return;
    } else if (m_copy.Count() == kMaxUnits) {
        Refuse(tr("You have reached the unit limit.  Delete some units to add others."));
        return;
    } else {
        unit = m_copy.Count();
        if (!FactorFits(unit, unit + 1))
            return;
        m_form.AppendUnit(name);
        m_copy.SetCount(unit + 1);
    }
    StoreUnitAndFactor(unit, verb);
}

void CGroupDefDlg::AddFirstUnit()
{
    m_form.AppendUnit(m_unitName);
    m_copy.SetFactor(0, 0, 1.0);
    m_factor = 1.0;
    m_unitSelection = 0;
    m_baseIndex = 0;
    const bool truncated = m_copy.StoreUnit(0, WithBidiControlsFromVisible(m_unitName),
                                            WithBidiControlsFromVisible(m_symbol), true);
    m_form.EnableFactorControls(true);
    m_form.changeButton->setEnabled(true);
    m_copy.SetCount(1);
    m_status = (truncated ? QStringLiteral("(truncated) ") : QString()) + QStringLiteral("Unit '") +
               m_unitName + QStringLiteral("' added.");
    WriteFields();
}

void CGroupDefDlg::StoreUnitAndFactor(int unit, const char* verb)
{
    const bool truncated = m_copy.StoreUnit(unit, WithBidiControlsFromVisible(m_unitName),
                                            WithBidiControlsFromVisible(m_symbol), false);
    const QString prefix = truncated ? QStringLiteral("(truncated) ") : QString();
    const QString quotedName =
        QStringLiteral("Unit '") + m_unitName + QStringLiteral("' ") + QLatin1String(verb);
    if (unit == m_baseIndex) {
        m_factor = 1.0;
        m_status = prefix + quotedName + QStringLiteral(", any factor change ignored.");
    } else {
        m_copy.PairUpdate(unit, m_baseIndex, m_factor);
        m_unitSelection = unit;
        m_status = quotedName + QStringLiteral(".");
    }
    WriteFields();
}

void CGroupDefDlg::OnChangeUnit()
{
    if (ReadFields())
        ChangeUnit();
}

void CGroupDefDlg::ChangeUnit()
{
    if (m_copy.Count() == 0)
        return;
    const int unit = m_unitSelection >= 0 ? m_unitSelection : m_lastSelectedUnit;
    if (unit < 0) {
        RefuseAt(*m_form.unitList, tr("You must select a unit before you can change it."));
        return;
    }
    if (!IsPositiveFactor(m_factor)) {
        RefuseAt(*m_form.factorEdit, tr(kFactorNotPositiveText));
        return;
    }
    if (m_mayChangeUnits) {
        if (!UnitTextsAcceptable())
            return;
        // Two units of one name could not be told apart in any list, nor deleted reliably.
        const int namesake = m_form.FindUnit(m_unitName);
        if (namesake >= 0 && namesake != unit) {
            RefuseAt(*m_form.unitList, m_unitName + QStringLiteral(" already exists."));
            return;
        }
    }
    if (m_baseIndex < 0)
        m_baseIndex = 0;
    if (unit != m_baseIndex && !FactorFits(unit, m_copy.Count()))
        return;
    m_form.RenameUnit(unit, m_unitName);
    m_unitSelection = unit;
    StoreUnitAndFactor(unit, "changed");
}

void CGroupDefDlg::OnDeleteUnit()
{
    ReadTexts();
    const int count = m_copy.Count();
    if (count == 0)
        return;
    // The unit shown as selected is the one deleted; a typed name picks the unit of that name.
    const int unit = m_unitSelection >= 0 ? m_unitSelection : m_form.FindUnit(m_unitName);
    if (unit < 0)
        return;
    const QString name = m_unitName;
    m_form.baseList->removeItem(unit);
    m_form.unitList->removeItem(unit);
    m_unitSelection = -1;
    m_unitName.clear();
    m_symbol.clear();
    m_factor = 1.0;
    if (count == 1) {
        m_baseIndex = -1;
        m_form.EnableFactorControls(false);
    } else if (unit == m_baseIndex) {
        m_baseIndex = 0;
    } else if (unit < m_baseIndex) {
        // The base stays the same unit, which now sits one place higher.
        m_baseIndex -= 1;
    }
    // Likewise the last chosen unit: Change must never reach a position that no longer exists.
    if (m_lastSelectedUnit == unit)
        m_lastSelectedUnit = -1;
    else if (m_lastSelectedUnit > unit)
        m_lastSelectedUnit -= 1;
    m_copy.RemoveUnit(unit);
    m_status = QStringLiteral("Unit '") + name + QStringLiteral("' deleted.");
    WriteFields();
}

void CGroupDefDlg::OnCalculate()
{
    if (!ReadFields())
        return;
    if (m_copy.Count() == 0 || m_unitSelection < 0 || m_baseIndex < 0)
        return;
    if (m_unitSelection == m_baseIndex) {
        Refuse(tr("Cannot calculate when Base Unit and Unit are the same."));
        return;
    }
    if (m_factor == 0.0) {
        RefuseAt(*m_form.factorEdit, tr("Factor entered is zero.  Cannot calculate."));
        return;
    }
    if (!FactorFits(m_unitSelection, m_copy.Count()))
        return;
    m_copy.PairUpdate(m_unitSelection, m_baseIndex, m_factor);
    DeriveFactorsReporting(m_copy.Count(), m_copy.Factors(), m_copy.Units(), m_app.services);
    WriteFields();
}

void CGroupDefDlg::OnAccept()
{
    if (!ReadFields() || !AcceptableGroupName())
        return;
    const int count = m_copy.Count();
    if (count < 2) {
        Refuse(tr("You must have at least two units defined."));
        return;
    }
    if (!AllPairsFit(UnstorableFactor(m_copy)))
        return;
    DeriveFactorsReporting(count, m_copy.Factors(), m_copy.Units(), m_app.services);
    CConversion& group = m_current.Record();
    if (m_creating)
        m_copy.CopyToNewGroup(group);
    else
        m_copy.CopyTo(group);
    group.m_name = WithBidiControlsFromVisible(m_groupName);
    group.m_description = m_description.toStdString();
    done(count);
}

void CGroupDefDlg::reject()
{
    if (Changed()) {
        m_app.services.messages->Beep(MessageIcon::Question);
        const MessageAnswer answer = m_app.services.messages->Show(
            {tr("You changed this group. Do you wish to discard the changes?").toStdString(), "",
             MessageButtons::DiscardKeepEditing, MessageIcon::Question});
        if (answer != MessageAnswer::Discard)
            return;
    }
    QDialog::reject();
}

void CGroupDefDlg::OnHelp()
{
    m_app.services.help->ShowTopic(m_creating ? kCreateHelpTopic : kEditHelpTopic);
}

} // namespace kalvex
