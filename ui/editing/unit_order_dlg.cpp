#include "ui/editing/unit_order_dlg.h"

#include "core/group_ids.h"
#include "platform/qt/dialog_runner.h"
#include "platform/qt/visible_text.h"
#include "storage/app_state.h"
#include "storage/builtin_groups.h"
#include "storage/current_group.h"
#include "ui/controls/centring.h"
#include "ui/controls/context_help.h"
#include "ui/controls/control_id.h"
#include "ui/controls/image_button.h"
#include "ui/editing/group_def_dlg.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace kalvex {

namespace {

constexpr int kFirstList = 101;
constexpr int kShowAllCheck = 1002;
constexpr int kOkButton = 699;
constexpr int kCancelButton = 700;
constexpr int kFactorsButton = 712;
constexpr int kHelpButton = 710;
constexpr int kInfoLabel = 120;
constexpr int kHelpTopic = 3015;
constexpr std::uint16_t kUnusedOrder = 65535;

constexpr HelpPair kHelp[] = {{101, 17023},  {102, 17023}, {103, 17023}, {104, 17023}, {105, 17023},
                              {106, 17023},  {107, 17023}, {108, 17023}, {109, 17023}, {110, 17023},
                              {111, 17023},  {112, 17023}, {113, 17023}, {114, 17023}, {115, 17023},
                              {1002, 17024}, {712, 17007}, {699, 17021}, {700, 17022}, {0, 0}};

constexpr const char* kOrderChangedText = "You have made changes to the unit order.";
constexpr const char* kUnitsChangedText = "You have made changes to the conversion units or factors";
constexpr const char* kBothChangedText =
    "You have made changes to the conversion units or factors and unit order.";

QString UnitListName(const std::string& entry)
{
    return WithVisibleBidiControls(UnitName(entry)).remove(QLatin1Char('&'));
}

} // namespace

CUnitOrderDlg::CUnitOrderDlg(AppState& app, CurrentGroup& current, int groupId, int unitCount,
                             QWidget* parent)
    : QDialog(parent), m_app(app), m_current(current), m_groupId(groupId),
      m_unitCount(std::clamp(unitCount, 0, kMaxUnits))
{
    BuildControls();
    Open();
}

void CUnitOrderDlg::BuildControls()
{
    auto* lists = new QGroupBox(QStringLiteral("Units in the conversion window"), this);
    auto* grid = new QGridLayout(lists);
    constexpr int kRowsPerColumn = 5;
    for (int k = 0; k < kListCount; ++k) {
        auto* list = new QComboBox(lists);
        SetControlId(*list, kFirstList + k, QStringLiteral("unitList%1").arg(k + 1));
        list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        list->setMinimumContentsLength(14);
        auto* number = new QLabel(QStringLiteral("&%1.").arg(k + 1), lists);
        number->setBuddy(list);
        // "1." alone says nothing of what the list chooses.
        list->setAccessibleName(QStringLiteral("Unit %1").arg(k + 1));
        list->view()->setAccessibleName(list->accessibleName());
        const int row = k % kRowsPerColumn;
        const int column = 2 * (k / kRowsPerColumn);
        grid->addWidget(number, row, column);
        grid->addWidget(list, row, column + 1);
        connect(list, &QComboBox::currentIndexChanged, this, &CUnitOrderDlg::OnSelectUnit);
        m_lists[static_cast<std::size_t>(k)] = list;
    }

    m_showAll = new QCheckBox(QStringLiteral("Show &all units in group"), this);
    SetControlId(*m_showAll, kShowAllCheck, QStringLiteral("showAllCheck"));
    connect(m_showAll, &QCheckBox::clicked, this, &CUnitOrderDlg::OnToggleShowAll);

    m_info = new QLabel(this);
    SetControlId(*m_info, kInfoLabel, QStringLiteral("infoLabel"));

    auto* ok = new CImageButton(kOkButton, QStringLiteral("OK"), this);
    SetControlId(*ok, kOkButton, QStringLiteral("okButton"));
    auto* cancel = new CImageButton(kCancelButton, QStringLiteral("Cancel"), this);
    SetControlId(*cancel, kCancelButton, QStringLiteral("cancelButton"));
    auto* factors = new CImageButton(kFactorsButton, QStringLiteral("Factors"), this);
    SetControlId(*factors, kFactorsButton, QStringLiteral("factorsButton"));
    auto* help = new CImageButton(kHelpButton, QStringLiteral("Help"), this);
    SetControlId(*help, kHelpButton, QStringLiteral("helpButton"));
    connect(ok, &QPushButton::clicked, this, &CUnitOrderDlg::OnOk);
    connect(cancel, &QPushButton::clicked, this, &CUnitOrderDlg::reject);
    connect(factors, &QPushButton::clicked, this, &CUnitOrderDlg::OnFactors);
    connect(help, &QPushButton::clicked, this, [this] { m_app.services.help->ShowTopic(kHelpTopic); });

    auto* buttons = new QHBoxLayout;
    for (QWidget* button : {static_cast<QWidget*>(ok), static_cast<QWidget*>(cancel),
                            static_cast<QWidget*>(factors), static_cast<QWidget*>(help)})
        buttons->addWidget(button);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lists);
    layout->addWidget(m_showAll);
    layout->addWidget(m_info);
    layout->addLayout(buttons);

    new CContextHelp(*this, kHelp, *m_app.services.help);
}

void CUnitOrderDlg::Open()
{
    const CConversion& group = m_current.Record();
    setWindowTitle(QStringLiteral("Specify %1 Unit Order").arg(GroupTitleName()));
    FillLists();
    m_order.fill(-1);
    const int shown = std::min<int>(group.m_shownCount, kListCount);
    for (int i = 0; i < shown; ++i)
        m_order[static_cast<std::size_t>(i)] = group.m_unitOrder[static_cast<std::size_t>(i)];
    SelectOrderValues(kListCount);
    m_showAll->setChecked(group.m_showAll != 0);
    EnableLists();
    CompleteUpperTriangle();
    // Centred once its lists are filled, so the size it is centred with is the size it shows.
    CentreOnDesktop(*this);
}

QString CUnitOrderDlg::GroupTitleName() const
{
    const QString name = WithVisibleBidiControls(m_current.Record().m_name);
    if (IsCustomGroup(m_groupId))
        return name;
    if (name.isEmpty())
        return QString::fromStdString(BuiltinGroupName(m_groupId));
    return QString(name).remove(QLatin1Char('&'));
}

void CUnitOrderDlg::FillLists()
{
    const int filled = std::min(m_unitCount, kListCount);
    for (int k = 0; k < kListCount; ++k) {
        QComboBox* list = m_lists[static_cast<std::size_t>(k)];
        const QSignalBlocker quiet(list);
        list->clear();
        if (k >= filled)
            continue;
        list->addItem(QStringLiteral("None"));
        for (int unit = 0; unit < m_unitCount; ++unit)
            list->addItem(UnitListName(m_current.Record().m_units[static_cast<std::size_t>(unit)]));
        list->setCurrentIndex(-1);
    }
}

void CUnitOrderDlg::EnableLists()
{
    const bool showAll = m_showAll->isChecked();
    for (QComboBox* list : m_lists)
        list->setEnabled(!showAll && list->count() > 0);
}

void CUnitOrderDlg::SelectOrderValues(int count)
{
    for (int i = 0; i < std::min(count, kListCount); ++i) {
        QComboBox* list = m_lists[static_cast<std::size_t>(i)];
        const int value = m_order[static_cast<std::size_t>(i)];
        const QSignalBlocker quiet(list);
        // A unit number the group does not have selects nothing.
        list->setCurrentIndex(value >= 0 && value < list->count() ? value : -1);
    }
}

void CUnitOrderDlg::ReadOrderValues()
{
    for (int i = 0; i < kListCount; ++i)
        m_order[static_cast<std::size_t>(i)] = m_lists[static_cast<std::size_t>(i)]->currentIndex();
}

void CUnitOrderDlg::CompleteUpperTriangle()
{
    FactorMatrix& m = m_current.Record().m_factors;
    for (std::size_t k = 1; k < static_cast<std::size_t>(m_unitCount); ++k) {
        for (std::size_t j = 0; j < k; ++j)
            m[j][k] = m[k][j] != 0.0 ? 1.0 / m[k][j] : 0.0;
        m[k][k] = 1.0;
    }
}

void CUnitOrderDlg::OnSelectUnit()
{
    m_orderChanged = true;
    m_info->setText(QString::fromLatin1(m_unitsChanged ? kBothChangedText : kOrderChangedText));
}

void CUnitOrderDlg::OnToggleShowAll()
{
    if (m_showAll->isChecked() != (m_current.Record().m_showAll != 0))
        m_unitsChanged = true;
    EnableLists();
}

void CUnitOrderDlg::OnFactors()
{
    ReadOrderValues();
    // The editor renumbers the group's order when units are deleted: it gets the order shown here
    // and hands back the same units under their new numbers.
    CConversion& group = m_current.Record();
    group.m_unitOrder.fill(0);
    std::size_t shown = 0;
    for (int value : m_order)
        if (value >= 1)
            group.m_unitOrder[shown++] = static_cast<std::uint16_t>(value);
    group.m_shownCount = static_cast<std::uint16_t>(shown);
    CGroupDefDlg editor(m_app, m_current, m_groupId, m_unitCount, this);
    const int newCount = m_app.services.dialogs->Run(editor);
    if (newCount == 0)
        return;
    m_unitsChanged = true;
    m_info->setText(QString::fromLatin1(m_orderChanged ? kBothChangedText : kUnitsChangedText));
    m_order.fill(-1);
    for (std::size_t i = 0; i < std::min<std::size_t>(group.m_shownCount, kListCount); ++i)
        m_order[i] = group.m_unitOrder[i];
    m_unitCount = std::clamp(newCount, 0, kMaxUnits);
    FillLists();
    EnableLists();
    SelectOrderValues(kListCount);
}

void CUnitOrderDlg::OnOk()
{
    std::array<int, kListCount> values;
    values.fill(-1);
    int count = 0;
    for (QComboBox* list : m_lists)
        if (list->currentIndex() >= 1)
            values[static_cast<std::size_t>(count++)] = list->currentIndex();
    CConversion& group = m_current.Record();
    group.m_shownCount = static_cast<std::uint16_t>(count);
    IMessageService& messages = *m_app.services.messages;
    if (count < 2) {
        messages.Beep(MessageIcon::Information);
        messages.Show(
            {"You must have at least 2 units selected.", "", MessageButtons::Ok, MessageIcon::Information});
        return;
    }
    if (m_unitsChanged) {
        messages.Beep(MessageIcon::Question);
        const MessageAnswer answer = messages.Show(
            {"You have made changes to the conversion factors or unit names.  Do you wish to save them?", "",
             MessageButtons::YesNoCancel, MessageIcon::Question});
        if (answer == MessageAnswer::Cancel)
            return;
        if (answer == MessageAnswer::No) {
            done(0);
            return;
        }
    }
    for (std::size_t i = 0; i < values.size(); ++i)
        group.m_unitOrder[i] = values[i] < 0 ? kUnusedOrder : static_cast<std::uint16_t>(values[i]);
    group.m_showAll = m_showAll->isChecked() ? 1 : 0;
    done(m_unitCount);
}

void CUnitOrderDlg::reject()
{
    if (m_unitsChanged &&
        !ConfirmAbandon(
            "You are about to abort the changes you made to the conversion factors/units.  Is this "
            "correct?"))
        return;
    if (m_orderChanged &&
        !ConfirmAbandon(
            "You are about to abort the changes you made to the conversion unit order.  Is this correct?"))
        return;
    done(0);
}

bool CUnitOrderDlg::ConfirmAbandon(const char* question)
{
    IMessageService& messages = *m_app.services.messages;
    messages.Beep(MessageIcon::Question);
    return messages.Show({question, "", MessageButtons::YesNo, MessageIcon::Question}) == MessageAnswer::Yes;
}

void CUnitOrderDlg::keyPressEvent(QKeyEvent* event)
{
    // Enter must never end the dialog: its result would be taken as a unit count.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace kalvex
