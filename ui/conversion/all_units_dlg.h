#pragma once

#include "ui/conversion/group_conversion_dlg.h"

class QComboBox;
class QGroupBox;

namespace kalvex {

// The all-units layout: every unit of the group in stored order, 30 rows in two columns, the
// initial unit chosen from a drop-down list. The caller sets the group's unit order to
// 1, 2, ..., 30 before opening it.
class CAllUnitsDlg final : public CGroupConversionDlg {
    Q_OBJECT
public:
    CAllUnitsDlg(AppState& app, CurrentGroup& current, int groupId, FactorEditor editFactors,
                 QWidget* parent = nullptr);

    int m_unitIndex = 0; // bound to the selection of list 1001

private:
    void AddUnitChoice(int row, const QString& unitName) override;
    void ShowUnitChoice(int row) override;
    void ExchangeFields(bool saving) override;
    const HelpPair* HelpTable() const override;
    int DialogHelpTopic() const override;
    std::vector<QWidget*> InitialUnitControls() const override;

    QGroupBox* m_equivBox = nullptr;
    QComboBox* m_unitList = nullptr;
};

} // namespace kalvex
