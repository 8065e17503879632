#include "ui/editing/group_def_dlg.h"

#include "core/conversion.h"
#include "core/group_ids.h"
#include "platform/qt/visible_text.h"
#include "storage/app_state.h"
#include "ui/controls/context_help.h"
#include "ui/controls/control_id.h"
#include "ui/controls/derive_report.h"
#include "ui/controls/image_button.h"
#include "ui/controls/unit_combo_box.h"
#include "ui/controls/unit_edit.h"
#include "ui/editing/factor_text.h"

#include <QAbstractItemView>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
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

// Lists stay this many characters wide whatever the names; longer names are elided in the list
// and shown whole in the entry's tooltip.
constexpr int kListCharacters = 14;
// A name is typed in at most this many characters; a longer one from a file is kept whole.
constexpr int kTypedNameLength = 20;
// The factor field is wide enough for a factor of 15 significant digits, such as one third.
const char* const kTypicalLongFactor = "0.333333333333333";
constexpr int kFieldFrameWidth = 12;

void FocusField(QWidget& field)
{
    field.setFocus();
    if (auto* combo = qobject_cast<QComboBox*>(&field); combo && combo->lineEdit())
        combo->lineEdit()->selectAll();
    else if (auto* edit = qobject_cast<QLineEdit*>(&field))
        edit->selectAll();
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

} // namespace

CGroupDefDlg::CGroupDefDlg(AppState& app, int groupId, int signedUnitCount, QWidget* parent)
    : QDialog(parent), m_app(app), m_groupId(groupId)
{
    BuildControls();
    Open(signedUnitCount);
}

CGroupDefDlg::~CGroupDefDlg() = default;

void CGroupDefDlg::BuildControls()
{
    m_nameEdit = new CUnitEdit(this);
    SetControlId(*m_nameEdit, 100, QStringLiteral("nameEdit"));
    m_nameEdit->setMaxLength(kTypedNameLength);
    m_descriptionEdit = new CUnitEdit(this);
    SetControlId(*m_descriptionEdit, 108, QStringLiteral("descriptionEdit"));
    m_descriptionEdit->setMaxLength(40);
    m_baseList = new CUnitComboBox(false, this);
    SetControlId(*m_baseList, 101, QStringLiteral("baseList"));
    m_factorEdit = new CUnitEdit(this);
    SetControlId(*m_factorEdit, 102, QStringLiteral("factorEdit"));
    m_factorEdit->setMaxLength(30);
    m_unitList = new CUnitComboBox(true, this);
    SetControlId(*m_unitList, 104, QStringLiteral("unitList"));
    m_unitList->lineEdit()->setMaxLength(41);
    KeepBidiControlsVisible(*m_unitList->lineEdit());
    m_symbolEdit = new CUnitEdit(this);
    SetControlId(*m_symbolEdit, 105, QStringLiteral("symbolEdit"));
    m_symbolEdit->setMaxLength(10);
    KeepListNarrow(*m_baseList);
    KeepListNarrow(*m_unitList);
    m_factorEdit->setMinimumWidth(
        m_factorEdit->fontMetrics().horizontalAdvance(QLatin1String(kTypicalLongFactor)) + kFieldFrameWidth);

    m_addButton = new CImageButton(107, tr("Add Unit"), this);
    SetControlId(*m_addButton, 107, QStringLiteral("addButton"));
    m_changeButton = new CImageButton(118, tr("Chg Unit"), this);
    SetControlId(*m_changeButton, 118, QStringLiteral("changeButton"));
    m_changeButton->SetDisabledImage(7118);
    m_deleteButton = new CImageButton(117, tr("Del Unit"), this);
    SetControlId(*m_deleteButton, 117, QStringLiteral("deleteButton"));
    m_deleteButton->SetDisabledImage(7117);
    auto* calcButton = new CImageButton(80, tr("Calc"), this);
    SetControlId(*calcButton, 80, QStringLiteral("calcButton"));
    auto* okButton = new CImageButton(699, tr("OK"), this);
    SetControlId(*okButton, 699, QStringLiteral("okButton"));
    auto* cancelButton = new CImageButton(700, tr("Cancel"), this);
    SetControlId(*cancelButton, 700, QStringLiteral("cancelButton"));
    auto* helpButton = new CImageButton(710, tr("Help"), this);
    SetControlId(*helpButton, 710, QStringLiteral("helpButton"));

    m_baseLabel = NewLabel(tr("Base Unit"), this, 201, QStringLiteral("baseLabel"));
    m_factorLabel = NewLabel(tr("x  Factor"), this, 202, QStringLiteral("factorLabel"));
    m_countLabel = NewLabel({}, this, 112, QStringLiteral("countLabel"));
    m_statusLabel = NewLabel({}, this, 113, QStringLiteral("statusLabel"));
    m_hintLabel = NewLabel({}, this, 115, QStringLiteral("hintLabel"));
    m_hintLabel->setWordWrap(true);
    // Names come from files and the user: shown as typed, never as markup.
    for (QLabel* label : {m_countLabel, m_statusLabel, m_hintLabel})
        label->setTextFormat(Qt::PlainText);
    // A long unit name in the status must not widen the dialog; the tooltip shows it whole.
    m_statusLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    auto* texts = NewFrame(7500, this);
    auto* textsLayout = new QGridLayout(texts);
    textsLayout->addWidget(NewLabel(tr("Group Name"), texts), 0, 0);
    textsLayout->addWidget(m_nameEdit, 0, 1);
    textsLayout->addWidget(NewLabel(tr("Description"), texts), 1, 0);
    textsLayout->addWidget(m_descriptionEdit, 1, 1);

    auto* units = NewFrame(7501, this);
    auto* unitsLayout = new QGridLayout(units);
    unitsLayout->addWidget(m_baseLabel, 0, 0);
    unitsLayout->addWidget(m_factorLabel, 0, 1);
    unitsLayout->addWidget(NewLabel(tr("= Unit"), units), 0, 2);
    unitsLayout->addWidget(NewLabel(tr("Symbol"), units), 0, 3);
    unitsLayout->addWidget(m_baseList, 1, 0);
    unitsLayout->addWidget(m_factorEdit, 1, 1);
    unitsLayout->addWidget(m_unitList, 1, 2);
    unitsLayout->addWidget(m_symbolEdit, 1, 3);
    unitsLayout->setColumnStretch(0, 3);
    unitsLayout->setColumnStretch(1, 2);
    unitsLayout->setColumnStretch(2, 3);
    unitsLayout->setColumnStretch(3, 1);

    auto* unitButtons = NewFrame(7502, this);
    auto* unitButtonsLayout = new QHBoxLayout(unitButtons);
    for (QWidget* button : {static_cast<QWidget*>(m_addButton), static_cast<QWidget*>(m_changeButton),
                            static_cast<QWidget*>(m_deleteButton), static_cast<QWidget*>(calcButton)})
        unitButtonsLayout->addWidget(button);

    auto* state = NewFrame(7503, this);
    auto* stateLayout = new QHBoxLayout(state);
    stateLayout->addWidget(NewLabel(tr("Units:"), state));
    stateLayout->addWidget(m_countLabel);
    stateLayout->addWidget(m_statusLabel, 1);

    auto* hint = NewFrame(7504, this);
    auto* hintLayout = new QHBoxLayout(hint);
    hintLayout->addWidget(m_hintLabel);

    auto* dialogButtons = new QHBoxLayout;
    dialogButtons->addStretch();
    dialogButtons->addWidget(okButton);
    dialogButtons->addWidget(cancelButton);
    dialogButtons->addWidget(helpButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(texts);
    layout->addWidget(units);
    layout->addWidget(unitButtons);
    layout->addWidget(state);
    layout->addWidget(hint);
    layout->addLayout(dialogButtons);

    connect(m_baseList, &QComboBox::activated, this, &CGroupDefDlg::OnSelectBaseUnit);
    connect(m_unitList, &QComboBox::activated, this, &CGroupDefDlg::OnSelectUnit);
    connect(m_addButton, &QPushButton::clicked, this, &CGroupDefDlg::OnAddUnit);
    connect(m_changeButton, &QPushButton::clicked, this, &CGroupDefDlg::OnChangeUnit);
    connect(m_deleteButton, &QPushButton::clicked, this, &CGroupDefDlg::OnDeleteUnit);
    connect(calcButton, &QPushButton::clicked, this, &CGroupDefDlg::OnCalculate);
    connect(okButton, &QPushButton::clicked, this, &CGroupDefDlg::OnAccept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(helpButton, &QPushButton::clicked, this, &CGroupDefDlg::OnHelp);

    new CContextHelp(*this, kHelpTable, *m_app.services.help);
}

void CGroupDefDlg::Open(int signedUnitCount)
{
    m_mayChangeUnits = signedUnitCount >= 0;
    const int n = std::min(std::abs(signedUnitCount), kMaxUnits);
    const CConversion& group = m_app.m_current;
    m_copy.LoadFrom(group, n);
    m_hint = QString::fromUtf8(kUnitsHint);
    if (n == 0) {
        m_creating = true;
        m_newCustomNumber = m_app.m_numCust + 1;
        setWindowTitle(Printf("Create %s Group", GroupTag(CustomGroupId(m_newCustomNumber))));
        m_groupName = Numbered("Custom%.2d", m_newCustomNumber);
        m_description = QStringLiteral("My own group of conversions.");
        EnableUnitControls(false);
        m_changeButton->setEnabled(false);
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
        AppendEntry(WithVisibleBidiControls(UnitName(m_copy.Unit(u))));

    const bool hasUnits = n > 0;
    m_unitSelection = hasUnits ? 0 : -1;
    m_baseIndex = hasUnits ? 0 : -1;
    m_unitName = hasUnits ? m_unitList->itemText(0) : QString();
    m_factor = m_copy.Factor(0, 0);
    m_symbol = hasUnits ? WithVisibleBidiControls(UnitSymbol(m_copy.Unit(0))) : QString();

    if (!m_mayChangeUnits) {
        m_addButton->SetImageBase(kModFactImageBase);
        m_addButton->setText(tr("Mod Fact"));
        m_changeButton->setEnabled(false);
        m_deleteButton->setEnabled(false);
        m_nameEdit->setEnabled(false);
        m_descriptionEdit->setEnabled(false);
        m_symbolEdit->setReadOnly(true);
        m_unitList->lineEdit()->setReadOnly(true);
    }
    m_nameEdit->setMaxLength(std::max<int>(kTypedNameLength, int(m_groupName.size())));
    WriteFields();
    m_openedCopy = m_copy;
    m_openedName = m_groupName;
    m_openedDescription = m_description;
    m_unitList->setFocus();
}

void CGroupDefDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (const QScreen* shown = screen())
        move(shown->availableGeometry().center() - rect().center());
}

void CGroupDefDlg::ReadTexts()
{
    m_groupName = m_nameEdit->text();
    m_description = m_descriptionEdit->text();
    m_baseIndex = m_baseList->currentIndex();
    m_unitSelection = m_unitList->SelectedIndex();
    m_unitName = m_unitList->currentText();
    m_symbol = m_symbolEdit->text();
}

bool CGroupDefDlg::ReadFields()
{
    ReadTexts();
    // Before the first unit exists the factor field is disabled: nothing typed there to read.
    if (!m_factorEdit->isEnabled())
        return true;
    const std::optional<double> factor = ReadFactorText(m_factorEdit->text());
    if (!factor) {
        m_app.services.messages->Beep(MessageIcon::Warning);
        m_app.services.messages->Show(
            {"Please enter a number.", "", MessageButtons::Ok, MessageIcon::Warning});
        FocusField(*m_factorEdit);
        return false;
    }
    m_factor = *factor;
    return true;
}

void CGroupDefDlg::WriteFields()
{
    m_nameEdit->setText(m_groupName);
    m_descriptionEdit->setText(m_description);
    m_baseList->Select(m_baseIndex);
    if (m_unitSelection >= 0) {
        m_unitList->Select(m_unitSelection);
    } else {
        if (m_unitList->currentIndex() >= 0)
            m_unitList->Select(-1);
        m_unitList->setEditText(m_unitName);
    }
    m_factorEdit->setText(QString::asprintf("%.*g", 15, m_factor));
    m_symbolEdit->setText(m_symbol);
    m_countLabel->setText(QString::number(m_copy.Count()));
    m_statusLabel->setText(m_status);
    m_statusLabel->setToolTip(m_status);
    m_hintLabel->setText(m_hint);
}

void CGroupDefDlg::EnableUnitControls(bool enabled)
{
    for (QWidget* control : {static_cast<QWidget*>(m_baseList), static_cast<QWidget*>(m_factorEdit),
                             static_cast<QWidget*>(m_baseLabel), static_cast<QWidget*>(m_factorLabel)})
        control->setEnabled(enabled);
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
    if (m_unitName.isEmpty()) {
        m_app.services.messages->Show({kNullUnitText, "", MessageButtons::Ok, MessageIcon::Stop});
        FocusField(*m_unitList);
        return false;
    }
    const QChar comma(QLatin1Char(','));
    if (m_unitName.contains(comma)) {
        RefuseAt(*m_unitList, tr(kCommaInUnitText));
        return false;
    }
    if (m_symbol.contains(comma)) {
        RefuseAt(*m_symbolEdit, tr(kCommaInUnitText));
        return false;
    }
    return true;
}

bool CGroupDefDlg::AcceptableGroupName()
{
    // A standard group without a name of its own shows its built-in one; a custom group has no other.
    if (!m_creating && !IsCustomGroup(m_groupId))
        return true;
    if (!m_groupName.trimmed().isEmpty())
        return true;
    RefuseAt(*m_nameEdit, tr("You must enter a group name."));
    return false;
}

bool CGroupDefDlg::FactorFits(int unit, int unitCount)
{
    GroupWorkingCopy trial = m_copy;
    if (unit >= m_copy.Count())
        trial.StoreUnit(unit, WithBidiControlsFromVisible(m_unitName), WithBidiControlsFromVisible(m_symbol),
                        false);
    trial.SetCount(unitCount);
    trial.PairUpdate(unit, m_baseIndex, m_factor);
    if (DerivationFits(std::move(trial)))
        return true;
    FocusField(*m_factorEdit);
    return false;
}

bool CGroupDefDlg::DerivationFits(GroupWorkingCopy trial)
{
    // Calc takes a negative factor, so the working copy may hold one; Add and Change refuse it
    // as it is typed.
    const std::optional<FactorFault> fault =
        FirstUnsoundFactor(trial.Count(), trial.Factors(), FactorSigns::Any);
    if (!fault)
        return true;
    Refuse(tr("The factor for converting '%1' to '%2' would be too large or too small to store. "
              "Nothing was changed.")
               .arg(QString::fromStdString(UnitName(trial.Unit(fault->pair.row))),
                    QString::fromStdString(UnitName(trial.Unit(fault->pair.column)))));
    return false;
}

bool CGroupDefDlg::Changed()
{
    ReadTexts();
    return !(m_copy == m_openedCopy) || m_groupName != m_openedName || m_description != m_openedDescription;
}

int CGroupDefDlg::FindUnit(const QString& name) const
{
    for (int u = 0; u < m_unitList->count(); ++u) {
        if (m_unitList->itemText(u).compare(name, Qt::CaseInsensitive) == 0)
            return u;
    }
    return -1;
}

void CGroupDefDlg::AppendEntry(const QString& name)
{
    m_baseList->addItem(QString());
    m_unitList->addItem(QString());
    RenameEntry(m_unitList->count() - 1, name);
}

void CGroupDefDlg::RenameEntry(int unit, const QString& name)
{
    SetEntryName(*m_baseList, unit, name);
    SetEntryName(*m_unitList, unit, name);
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
    m_unitName = m_unitList->itemText(index);
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
        RefuseAt(*m_factorEdit, tr(kFactorNotPositiveText));
        return;
    }
    if (m_baseIndex < 0)
        m_baseIndex = 0;
    int unit = FindUnit(name);
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
        AppendEntry(name);
        m_copy.SetCount(unit + 1);
    }
    StoreUnitAndFactor(unit, verb);
}

void CGroupDefDlg::AddFirstUnit()
{
    AppendEntry(m_unitName);
    m_copy.SetFactor(0, 0, 1.0);
    m_factor = 1.0;
    m_unitSelection = 0;
    m_baseIndex = 0;
    const bool truncated = m_copy.StoreUnit(0, WithBidiControlsFromVisible(m_unitName),
                                            WithBidiControlsFromVisible(m_symbol), true);
    EnableUnitControls(true);
    m_changeButton->setEnabled(true);
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
        RefuseAt(*m_unitList, tr("You must select a unit before you can change it."));
        return;
    }
    if (!IsPositiveFactor(m_factor)) {
        RefuseAt(*m_factorEdit, tr(kFactorNotPositiveText));
        return;
    }
    if (m_mayChangeUnits) {
        if (!UnitTextsAcceptable())
            return;
        // Two units of one name could not be told apart in any list, nor deleted reliably.
        const int namesake = FindUnit(m_unitName);
        if (namesake >= 0 && namesake != unit) {
            RefuseAt(*m_unitList, m_unitName + QStringLiteral(" already exists."));
            return;
        }
    }
    if (m_baseIndex < 0)
        m_baseIndex = 0;
    if (unit != m_baseIndex && !FactorFits(unit, m_copy.Count()))
        return;
    RenameEntry(unit, m_unitName);
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
    const int unit = m_unitSelection >= 0 ? m_unitSelection : FindUnit(m_unitName);
    if (unit < 0)
        return;
    const QString name = m_unitName;
    m_baseList->removeItem(unit);
    m_unitList->removeItem(unit);
    m_unitSelection = -1;
    m_unitName.clear();
    m_symbol.clear();
    m_factor = 1.0;
    if (count == 1) {
        m_baseIndex = -1;
        EnableUnitControls(false);
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
        RefuseAt(*m_factorEdit, tr("Factor entered is zero.  Cannot calculate."));
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
    if (!DerivationFits(m_copy))
        return;
    DeriveFactorsReporting(count, m_copy.Factors(), m_copy.Units(), m_app.services);
    CConversion& group = m_app.m_current;
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
