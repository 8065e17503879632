#include "ui/conversion/conversion_dlg.h"

#include "storage/app_state.h"
#include "storage/current_group.h"
#include "ui/controls/control_id.h"
#include "ui/controls/focus_button.h"
#include "ui/controls/plain_text.h"
#include "ui/conversion/conversion_help.h"
#include "ui/conversion/conversion_ids.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace kalvex {

using namespace conversion_ids;

namespace {

constexpr int kChosenUnitsHelpTopic = 1210;
// Grid columns of one column of rows: radio button, result field, symbol.
constexpr int kCellsPerRow = 3;

} // namespace

CConversionDlg::CConversionDlg(AppState& app, CurrentGroup& current, int groupId, FactorEditor editFactors,
                               QWidget* parent)
    : CGroupConversionDlg(app, current, groupId, std::move(editFactors),
                          ChosenUnitsTemplate(current.Record().m_shownCount),
                          ChosenUnitsTemplate(current.Record().m_shownCount).rows, parent)
{
    m_equivCaption = new QLabel(this);
    m_equivCaption->setTextFormat(Qt::PlainText);
    SetControlId(*m_equivCaption, kEquivalentCaption, QStringLiteral("equivalentCaption"));
    m_rowGrid = new QGridLayout;
    m_rowGrid->addWidget(&InitialInCaption(), 0, 0);
    m_rowGrid->addWidget(m_equivCaption, 0, 1, 1, 2);
    m_unitButtons = new QButtonGroup(this);
    m_unitButtons->setExclusive(true);
    connect(m_unitButtons, &QButtonGroup::idClicked, this,
            [this](int id) { OnInitialUnitChosen(id - kFirstUnitRadio); });

    for (int row = 0; row < LayoutTemplate().rows; ++row) {
        QLineEdit* field = nullptr;
        QLabel* symbol = nullptr;
        AddResultRow(kFirstResult + row, kFirstSymbol + row, field, symbol);
        m_rowGrid->addWidget(field, 1 + LineOf(row), kCellsPerRow * ColumnOf(row) + 1);
        m_rowGrid->addWidget(symbol, 1 + LineOf(row), kCellsPerRow * ColumnOf(row) + 2);
    }
    AddScrollingSection(kFirstFrame + 1, tr("Units"), m_rowGrid);
    Open();
}

void CConversionDlg::AddUnitChoice(int row, const QString& unitName)
{
    auto* radio = new CFocusButton(LiteralAmpersands(unitName), this);
    SetControlId(*radio, kFirstUnitRadio + row, QStringLiteral("unitRadio%1").arg(row + 1));
    m_unitButtons->addButton(radio, kFirstUnitRadio + row);
    m_rowGrid->addWidget(radio, 1 + LineOf(row), kCellsPerRow * ColumnOf(row));
}

void CConversionDlg::ShowUnitChoice(int row)
{
    if (QAbstractButton* radio = m_unitButtons->button(kFirstUnitRadio + row))
        radio->setChecked(true);
}

void CConversionDlg::ExchangeFields(bool saving)
{
    CGroupConversionDlg::ExchangeFields(saving);
    if (!saving)
        ShowCaption(*m_equivCaption, m_equivLabel);
}

const HelpPair* CConversionDlg::HelpTable() const
{
    return ChosenUnitsHelpTable();
}

int CConversionDlg::DialogHelpTopic() const
{
    return kChosenUnitsHelpTopic;
}

std::vector<QWidget*> CConversionDlg::InitialUnitControls() const
{
    const QList<QAbstractButton*> radios = m_unitButtons->buttons();
    return {radios.begin(), radios.end()};
}

} // namespace kalvex
