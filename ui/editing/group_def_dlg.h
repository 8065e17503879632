#pragma once

#include "ui/editing/group_def_form.h"
#include "ui/editing/group_working_copy.h"

#include <QDialog>
#include <optional>

class QWidget;

namespace kalvex {

struct AppState;
class CurrentGroup;
struct UnstorablePair;

// The group definition editor. A unit count of 0 creates the next custom group, a positive
// count edits the units and factors of the current group, a negative one (its magnitude being
// the unit count) edits factors only. Works on a copy; Accept hands the units, factors, name
// and description to the current group and ends with the new unit count N, every other exit
// with 0. Deriving the rest and committing the group is the caller's work. Run it through
// app.services.dialogs->Run(dialog).
class CGroupDefDlg final : public QDialog {
    Q_OBJECT
public:
    CGroupDefDlg(AppState& app, CurrentGroup& current, int groupId, int signedUnitCount,
                 QWidget* parent = nullptr);
    ~CGroupDefDlg() override;

    int UnitCount() const { return m_copy.Count(); }
    bool MayChangeUnits() const { return m_mayChangeUnits; }
    bool Creating() const { return m_creating; }
    const GroupWorkingCopy& WorkingCopy() const { return m_copy; }

    // Escape, Cancel and closing the window: asks first when the group was changed.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Builds the form and connects its controls to the operations.
    void BuildControls();
    void Open(int signedUnitCount);
    // Reads every bound field but the factor from the controls.
    void ReadTexts();
    // Reads every bound field; a factor that is not a number is refused and nothing else is read.
    bool ReadFields();
    void WriteFields();
    void Refuse(const QString& text);
    // Refuses and puts the input focus on the field to correct, which keeps what was typed.
    void RefuseAt(QWidget& field, const QString& text);
    // Each refuses, and puts the focus where the fault can be corrected, unless the rule holds.
    bool UnitTextsAcceptable();
    bool FactorFits(int unit, int unitCount);
    // Refuses a pair whose factor would not fit, naming it; true when there is none.
    bool AllPairsFit(const std::optional<UnstorablePair>& unstorable);
    bool Changed();

    void OnSelectBaseUnit(int index);
    void OnSelectUnit(int index);
    void OnAddUnit();
    void OnChangeUnit();
    void ChangeUnit();
    void OnDeleteUnit();
    void OnCalculate();
    void OnAccept();
    void OnHelp();

    bool AcceptableGroupName();
    void AddFirstUnit();
    void StoreUnitAndFactor(int unit, const char* verb);

    AppState& m_app;
    CurrentGroup& m_current;
    int m_groupId;
    bool m_mayChangeUnits = true;
    bool m_creating = false;
    int m_newCustomNumber = 0;
    GroupWorkingCopy m_copy;
    // What Open showed, to tell whether anything was changed since.
    GroupWorkingCopy m_openedCopy;
    QString m_openedName;
    QString m_openedDescription;

    // Bound fields, exchanged with the controls by ReadFields and WriteFields.
    QString m_groupName;
    QString m_description;
    int m_baseIndex = -1;
    int m_unitSelection = -1;
    QString m_unitName;
    double m_factor = 0.0;
    QString m_symbol;
    QString m_status;
    QString m_hint;
    int m_lastSelectedUnit = -1;

    GroupDefForm m_form;
};

} // namespace kalvex
