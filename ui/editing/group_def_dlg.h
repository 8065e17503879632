#pragma once

#include "ui/editing/group_working_copy.h"

#include <QDialog>

class QLabel;
class QLineEdit;

namespace kalvex {

struct AppState;
class CImageButton;
class CurrentGroup;
class CUnitComboBox;
class CUnitEdit;

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
    void BuildControls();
    void Open(int signedUnitCount);
    // Reads every bound field but the factor from the controls.
    void ReadTexts();
    // Reads every bound field; a factor that is not a number is refused and nothing else is read.
    bool ReadFields();
    void WriteFields();
    void EnableUnitControls(bool enabled);
    void Refuse(const QString& text);
    // Refuses and puts the input focus on the field to correct, which keeps what was typed.
    void RefuseAt(QWidget& field, const QString& text);
    // A unit name and symbol the unit strings can hold: a name, and no comma, which would split them.
    bool UnitTextsAcceptable();
    // Whether storing the factor between a unit and the base keeps every pair of units within
    // what a double holds, checked on a trial copy; otherwise refuses, naming the pair.
    bool FactorFits(int unit, int unitCount);
    bool DerivationFits(GroupWorkingCopy trial);
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
    int FindUnit(const QString& name) const;
    void AppendEntry(const QString& name);
    void RenameEntry(int unit, const QString& name);

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

    QLineEdit* m_nameEdit = nullptr;
    QLineEdit* m_descriptionEdit = nullptr;
    CUnitComboBox* m_baseList = nullptr;
    CUnitEdit* m_factorEdit = nullptr;
    CUnitComboBox* m_unitList = nullptr;
    CUnitEdit* m_symbolEdit = nullptr;
    CImageButton* m_addButton = nullptr;
    CImageButton* m_changeButton = nullptr;
    CImageButton* m_deleteButton = nullptr;
    QLabel* m_baseLabel = nullptr;
    QLabel* m_factorLabel = nullptr;
    QLabel* m_countLabel = nullptr;
    QLabel* m_statusLabel = nullptr;
    QLabel* m_hintLabel = nullptr;
};

} // namespace kalvex
