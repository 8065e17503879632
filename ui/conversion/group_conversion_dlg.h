#pragma once

#include "ui/conversion/conversion_templates.h"
#include "ui/conversion/value_dlg_base.h"

#include <functional>

class QAction;
class QLabel;

namespace kalvex {

class CurrentGroup;
// Runs the group editor over the factors of the current group, its units kept as they are;
// true when the user accepted changed factors. The shell supplies it to the conversion windows,
// which open it from their Factors button.
using FactorEditor = std::function<bool(int groupId, int unitCount, QWidget* parent)>;

// The behaviour both group conversion layouts share: converting one value of the current group
// into every shown unit, the Factors button, and the close procedure that saves changed factors
// and display settings into the group's factor file. The layouts differ only in how the initial
// unit is chosen.
class CGroupConversionDlg : public CValueDlgBase {
    Q_OBJECT
public:
    // Bound to the captions 212, 210 and 211.
    QString m_equivLabel;
    QString m_initialLabel;
    QString m_initialInLabel;
    int m_unitTotal = 0;  // m_unitCount of the group when the dialog opened
    int m_unitsShown = 0; // rows shown
    int m_groupId = 0;
    int m_selectedId = 0; // 8001 + row of the initial unit
    int m_factorsChanged = 0;
    QString m_groupTag;
    QString m_groupName;

    // A group without units is refused while opening; running the dialog then ends at once with 0.
    int exec() override;
    // Cancel, Escape and the window frame all run the close procedure.
    void reject() override;
    // A row picked as the initial unit (a negative row counts as the first).
    void OnInitialUnitChosen(int row);

protected:
    CGroupConversionDlg(AppState& app, CurrentGroup& current, int groupId, FactorEditor editFactors,
                        const ConversionTemplate& layoutTemplate, int rowsShown, QWidget* parent);

    // The layouts add the initial-unit choice of a row and show which row is chosen.
    virtual void AddUnitChoice(int row, const QString& unitName) = 0;
    virtual void ShowUnitChoice(int row) = 0;
    virtual const HelpPair* HelpTable() const = 0;

    // The opening steps; a layout runs them once its rows exist.
    void Open();

    void ExchangeFields(bool saving) override;
    int InitialRow() const override;

    QLabel& InitialInCaption() { return *m_initialInCaption; }
    // A caption holding a name shows the name's "&" as written; only a label with a buddy
    // would take it for a keyboard hint.
    static void ShowCaption(QLabel& caption, const QString& text);
    const ConversionTemplate& LayoutTemplate() const { return m_layoutTemplate; }
    // Where a result row sits: its line within its column of rows, and which column that is.
    int LineOf(int row) const { return row % m_layoutTemplate.rowsPerColumn; }
    int ColumnOf(int row) const { return row / m_layoutTemplate.rowsPerColumn; }

private:
    void ResolveTagAndName();
    void ShowTitle();
    bool RefuseEmptyGroup();
    void SetCaptions();
    void FillRows();
    int UnitAt(int row) const;

    ConversionRows Rows(double value) override;
    void OnFactors();
    // The Money window's own command in its right-click menu.
    QAction* UpdateRatesAction();
    void OnUpdateRates();
    void SaveChangedFactors();
    void SaveDisplaySettings();

    CurrentGroup& m_current;
    const ConversionTemplate& m_layoutTemplate;
    FactorEditor m_editFactors;
    QLabel* m_initialCaption = nullptr;
    QLabel* m_initialInCaption = nullptr;
    bool m_refused = false;
};

} // namespace kalvex
