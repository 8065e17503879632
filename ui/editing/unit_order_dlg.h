#pragma once

#include <QDialog>
#include <array>

class QCheckBox;
class QComboBox;
class QLabel;

namespace kalvex {

struct AppState;
class CurrentGroup;

// Chooses which units a group's conversion dialog lists and in which order, or that it lists
// them all. Works on the current group; ends with the group's unit count after OK, 0 otherwise.
// Enter ends nothing: only OK gives a unit count. Run it through app.services.dialogs->Run(dialog).
class CUnitOrderDlg final : public QDialog {
    Q_OBJECT
public:
    static constexpr int kListCount = 15;

    CUnitOrderDlg(AppState& app, CurrentGroup& current, int groupId, int unitCount,
                  QWidget* parent = nullptr);

    int UnitCount() const { return m_unitCount; }
    bool OrderChanged() const { return m_orderChanged; }
    bool UnitsChanged() const { return m_unitsChanged; }

    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildControls();
    void Open();
    QString GroupTitleName() const;
    // Fills the first min(N, 15) lists with "None" and the unit names; empties the others.
    void FillLists();
    // Lists that hold units are enabled unless every unit is shown.
    void EnableLists();
    void SelectOrderValues(int count);
    void ReadOrderValues();
    void CompleteUpperTriangle();

    void OnSelectUnit();
    void OnToggleShowAll();
    void OnFactors();
    void OnOk();
    bool ConfirmAbandon(const char* question);

    AppState& m_app;
    CurrentGroup& m_current;
    int m_groupId;
    int m_unitCount;
    std::array<int, kListCount> m_order{};
    bool m_orderChanged = false;
    bool m_unitsChanged = false;

    std::array<QComboBox*, kListCount> m_lists{};
    QCheckBox* m_showAll = nullptr;
    QLabel* m_info = nullptr;
};

} // namespace kalvex
