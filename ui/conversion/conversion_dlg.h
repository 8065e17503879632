#pragma once

#include "ui/conversion/group_conversion_dlg.h"

class QButtonGroup;
class QGridLayout;

namespace kalvex {

// The chosen-units layout: the first m_shownCount units of the group's unit order, one row each,
// with a radio button per row for the initial unit. Built on the template for the shown count.
class CConversionDlg final : public CGroupConversionDlg {
    Q_OBJECT
public:
    CConversionDlg(AppState& app, CurrentGroup& current, int groupId, FactorEditor editFactors,
                   QWidget* parent = nullptr);

private:
    void AddUnitChoice(int row, const QString& unitName) override;
    void ShowUnitChoice(int row) override;
    void ExchangeFields(bool saving) override;
    const HelpPair* HelpTable() const override;
    int DialogHelpTopic() const override;
    std::vector<QWidget*> InitialUnitControls() const override;

    QLabel* m_equivCaption = nullptr;
    QGridLayout* m_rowGrid = nullptr;
    QButtonGroup* m_unitButtons = nullptr;
};

} // namespace kalvex
