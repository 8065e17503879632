#include "ui/conversion/all_units_dlg.h"

#include "storage/app_state.h"
#include "storage/current_group.h"
#include "ui/controls/control_id.h"
#include "ui/controls/plain_text.h"
#include "ui/conversion/conversion_help.h"
#include "ui/conversion/conversion_ids.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <algorithm>

namespace kalvex {

using namespace conversion_ids;

namespace {

constexpr int kAllUnitsHelpTopic = 1211;
// Grid columns of one column of rows: result field, symbol.
constexpr int kCellsPerRow = 2;

} // namespace

CAllUnitsDlg::CAllUnitsDlg(AppState& app, CurrentGroup& current, int groupId, FactorEditor editFactors,
                           QWidget* parent)
    : CGroupConversionDlg(app, current, groupId, std::move(editFactors), AllUnitsTemplate(),
                          std::min<int>(current.Record().m_unitCount, kMaxUnits), parent)
{
    m_unitList = new QComboBox(this);
    SetControlId(*m_unitList, kUnitList, QStringLiteral("unitList"));
    InitialInCaption().setBuddy(m_unitList);
    connect(m_unitList, &QComboBox::activated, this, [this](int index) { OnInitialUnitChosen(index); });
    auto* choiceRow = new QHBoxLayout;
    choiceRow->addWidget(&InitialInCaption());
    choiceRow->addWidget(m_unitList, 1);
    AddSection(kFirstFrame + 1, tr("Initial unit"), choiceRow);

    m_equivBox = new QGroupBox(this);
    SetControlId(*m_equivBox, kEquivalentCaption, QStringLiteral("equivalentCaption"));
    auto* rowGrid = new QGridLayout(m_equivBox);
    for (int row = 0; row < LayoutTemplate().rows; ++row) {
        QLineEdit* field = nullptr;
        QLabel* symbol = nullptr;
        AddResultRow(kFirstResult + row, kFirstSymbol + row, field, symbol);
        rowGrid->addWidget(field, LineOf(row), kCellsPerRow * ColumnOf(row));
        rowGrid->addWidget(symbol, LineOf(row), kCellsPerRow * ColumnOf(row) + 1);
    }
    AddScrollingRows(*m_equivBox);
    Open();
    m_equivBox->setTitle(LiteralAmpersands(m_equivLabel));
}

void CAllUnitsDlg::AddUnitChoice(int, const QString& unitName)
{
    m_unitList->addItem(unitName);
}

void CAllUnitsDlg::ShowUnitChoice(int row)
{
    m_unitIndex = row;
    m_unitList->setCurrentIndex(row);
}

void CAllUnitsDlg::ExchangeFields(bool saving)
{
    CGroupConversionDlg::ExchangeFields(saving);
    if (saving) {
        m_unitIndex = m_unitList->currentIndex();
    } else {
        m_unitList->setCurrentIndex(m_unitIndex);
        m_unitList->setAccessibleName(m_initialInLabel);
        m_unitList->view()->setAccessibleName(m_initialInLabel);
    }
}

const HelpPair* CAllUnitsDlg::HelpTable() const
{
    return AllUnitsHelpTable();
}

int CAllUnitsDlg::DialogHelpTopic() const
{
    return kAllUnitsHelpTopic;
}

std::vector<QWidget*> CAllUnitsDlg::InitialUnitControls() const
{
    return {m_unitList};
}

} // namespace kalvex
