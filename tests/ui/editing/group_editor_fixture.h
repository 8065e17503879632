#pragma once

#include "core/group_ids.h"
#include "tests/ui/support/group_editor_driver.h"
#include "tests/ui/support/test_app.h"
#include "ui/controls/control_id.h"
#include "ui/controls/unit_combo_box.h"
#include "ui/editing/group_def_dlg.h"

#include <QLabel>
#include <QLineEdit>
#include <QtTest>
#include <cmath>
#include <memory>

namespace kalvex::testing {

inline constexpr int kDistance = 4104;

// n units "u0,s0" .. with every factor known: unit r is 2^r of unit 0.
inline void MakeGroup(CConversion& group, int n)
{
    group = CConversion{};
    group.m_name = "Distance";
    group.m_description = "inches, feet, meters";
    group.m_unitCount = std::uint16_t(n);
    for (int r = 0; r < n; ++r) {
        group.m_units[std::size_t(r)] = "u" + std::to_string(r) + ",s" + std::to_string(r);
        for (int c = 0; c < n; ++c)
            group.m_factors[std::size_t(r)][std::size_t(c)] = std::ldexp(1.0, c - r);
    }
}

// A group editor opened over a test application without custom groups, and the controls its
// tests reach by id. Start and Finish belong in the test's init and cleanup.
class GroupEditorFixture {
protected:
    std::unique_ptr<TestApp> m_t;
    std::unique_ptr<CGroupDefDlg> m_dlg;

    void Start()
    {
        m_t = std::make_unique<TestApp>();
        m_t->state.m_numCust = 0;
    }
    void Finish()
    {
        m_dlg.reset();
        m_t.reset();
    }

    void Open(int groupId, int signedCount)
    {
        m_dlg = std::make_unique<CGroupDefDlg>(m_t->state, m_t->current, groupId, signedCount);
        m_dlg->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dlg.get()));
    }
    QLineEdit* Edit(int id) { return FindControl<QLineEdit>(*m_dlg, id); }
    CUnitComboBox* Combo(int id) { return FindControl<CUnitComboBox>(*m_dlg, id); }
    QLineEdit* UnitField() { return Combo(104)->lineEdit(); }
    QString Text(int id) { return FindControl<QLabel>(*m_dlg, id)->text(); }
    double M(int r, int c) const { return m_dlg->WorkingCopy().Factor(r, c); }

    GroupEditorDriver Driver() const { return GroupEditorDriver(*m_dlg); }
    static void Type(QLineEdit* field, const QString& text) { GroupEditorDriver::Type(field, text); }
    static void Enter(QWidget* field) { QTest::keyClick(field, Qt::Key_Return); }
    void Click(int id) { Driver().Click(id); }
    static void Choose(QComboBox* list, int index) { GroupEditorDriver::Choose(list, index); }
    void AddUnit(const QString& name, const QString& symbol, const QString& factor)
    {
        Driver().AddUnit(name, symbol, factor);
    }
    std::string LastText() const { return m_t->messages.Last() ? m_t->messages.Last()->text : std::string(); }
};

} // namespace kalvex::testing
