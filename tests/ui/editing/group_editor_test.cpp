#include "core/group_ids.h"
#include "tests/ui/support/group_editor_driver.h"
#include "tests/ui/support/isolated_environment.h"
#include "tests/ui/support/modal_watchdog.h"
#include "tests/ui/support/test_app.h"
#include "ui/controls/control_id.h"
#include "ui/controls/image_button.h"
#include "ui/controls/unit_combo_box.h"
#include "ui/editing/group_def_dlg.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>
#include <cmath>
#include <memory>

using namespace kalvex;
using kalvex::testing::GroupEditorDriver;
using kalvex::testing::TestApp;

namespace {

constexpr int kDistance = 4104;

// n units "u0,s0" .. with every factor known: unit r is 2^r of unit 0.
void MakeGroup(CConversion& group, int n)
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

} // namespace

class GroupEditorTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestApp> m_t;
    std::unique_ptr<CGroupDefDlg> m_dlg;

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

private slots:
    void init()
    {
        m_t = std::make_unique<TestApp>();
        m_t->state.m_numCust = 0;
    }
    void cleanup()
    {
        m_dlg.reset();
        m_t.reset();
    }

    void createModeBuildsAGroupFromNothing()
    {
        kalvex::testing::ModalWatchdog watchdog;
        Open(CustomGroupId(1), 0);
        QCOMPARE(m_dlg->windowTitle(), QStringLiteral("Create Cust01 Group"));
        QCOMPARE(Edit(100)->text(), QStringLiteral("Custom01"));
        QCOMPARE(Edit(108)->text(), QStringLiteral("My own group of conversions."));
        QVERIFY(!Combo(101)->isEnabled());
        QVERIFY(!Edit(102)->isEnabled());
        QVERIFY(!FindControl(*m_dlg, 118)->isEnabled());

        // The factor field is not looked at for the very first unit.
        Type(UnitField(), QStringLiteral("meter"));
        Type(Edit(105), QStringLiteral("m"));
        Enter(Edit(105));
        QCOMPARE(Text(113), QStringLiteral("Unit 'meter' added."));
        QCOMPARE(m_dlg->WorkingCopy().Unit(0), std::string("meter,m"));
        QCOMPARE(M(0, 0), 1.0);
        QCOMPARE(Edit(102)->text(), QStringLiteral("1"));
        QVERIFY(Combo(101)->isEnabled() && Edit(102)->isEnabled() && FindControl(*m_dlg, 118)->isEnabled());

        AddUnit(QStringLiteral("foot"), QStringLiteral("ft"), QStringLiteral("3.28084"));
        QCOMPARE(Text(113), QStringLiteral("Unit 'foot' added."));
        QCOMPARE(Text(112), QStringLiteral("2"));
        QCOMPARE(m_dlg->WorkingCopy().Unit(1), std::string("foot,ft"));
        QCOMPARE(M(1, 0), 3.28084);
        QCOMPARE(M(0, 1), 1 / 3.28084);
        QCOMPARE(Combo(104)->count(), 2);
        QCOMPARE(Combo(101)->count(), 2);

        // Run through the dialog runner as its callers do.
        m_t->dialogs.steps.push_back([this](QDialog& dialog) {
            Type(Edit(100), QStringLiteral("Lengths"));
            Click(699);
            return dialog.result();
        });
        QCOMPARE(m_t->services.dialogs->Run(*m_dlg), 2);
        const CConversion& group = m_t->current.Record();
        QCOMPARE(group.m_unitCount, std::uint16_t(2));
        QCOMPARE(group.m_name, std::string("Lengths"));
        QCOMPARE(group.m_units[1], std::string("foot,ft"));
        QCOMPARE(group.m_factors[1][0], 3.28084);
        QVERIFY(m_t->messages.shown.empty());
        QCOMPARE(watchdog.caught, 0);
    }

    void factorsOnlyModeFromANegativeCount()
    {
        MakeGroup(m_t->current.Record(), 5);
        Open(kDistance, -5);
        QCOMPARE(m_dlg->windowTitle(), QStringLiteral("Modify Distance Factors"));
        QCOMPARE(m_dlg->UnitCount(), 5);
        QVERIFY(!m_dlg->MayChangeUnits());
        auto* add = FindControl<CImageButton>(*m_dlg, 107);
        QCOMPARE(add->text(), QStringLiteral("Mod Fact"));
        QCOMPARE(add->ImageBase(), 999);
        for (int id : {118, 117, 100, 108})
            QVERIFY(!FindControl(*m_dlg, id)->isEnabled());
        QVERIFY(Edit(105)->isReadOnly() && UnitField()->isReadOnly());
        QVERIFY(Text(115).startsWith(QStringLiteral("You may modify the conversion factors.")));

        // "Mod Fact" changes the factor, and the unit's other factors follow it.
        Choose(Combo(104), 2);
        QCOMPARE(Edit(105)->text(), QStringLiteral("s2"));
        QCOMPARE(Edit(102)->text(), QStringLiteral("0.25"));
        Type(Edit(102), QStringLiteral("7"));
        Enter(Edit(102));
        QCOMPARE(M(2, 0), 7.0);
        QCOMPARE(M(0, 2), 1.0 / 7.0);
        QCOMPARE(M(2, 1), 14.0);
        QCOMPARE(Text(113), QStringLiteral("Unit 'u2' changed."));
        QCOMPARE(m_dlg->UnitCount(), 5);
    }

    void theUnitLimitRefusesA31stUnitButAllowsChanges()
    {
        MakeGroup(m_t->current.Record(), 30);
        Open(kDistance, 30);
        AddUnit(QStringLiteral("extra"), QStringLiteral("x"), QStringLiteral("2"));
        QCOMPARE(LastText(),
                 std::string("You have reached the unit limit.  Delete some units to add others."));
        QCOMPARE(m_t->messages.Last()->icon, MessageIcon::Information);
        QCOMPARE(m_t->messages.beeps.back(), MessageIcon::Information);
        QCOMPARE(m_dlg->UnitCount(), 30);
        QCOMPARE(Combo(104)->count(), 30);

        m_t->messages.Answer(MessageAnswer::Yes);
        AddUnit(QStringLiteral("U5"), QStringLiteral("v"), QStringLiteral("3"));
        QCOMPARE(LastText(), std::string("U5 already exists. Do you wish to change the factor or symbol?"));
        QCOMPARE(m_t->messages.Last()->buttons, MessageButtons::YesNo);
        QCOMPARE(Text(113), QStringLiteral("Unit 'U5' changed."));
        QCOMPARE(m_dlg->WorkingCopy().Unit(5), std::string("U5,v"));
        QCOMPARE(Combo(104)->itemText(5), QStringLiteral("u5"));
        QCOMPARE(M(5, 0), 3.0);
    }

    void answeringNoKeepsTheStoredUnit()
    {
        MakeGroup(m_t->current.Record(), 3);
        Open(kDistance, 3);
        m_t->messages.Answer(MessageAnswer::No);
        AddUnit(QStringLiteral("u1"), QStringLiteral("zz"), QStringLiteral("9"));
        QCOMPARE(Edit(105)->text(), QStringLiteral("s1"));
        QCOMPARE(Edit(102)->text(), QStringLiteral("0.5"));
        QCOMPARE(M(1, 0), 0.5);
        QCOMPARE(m_dlg->WorkingCopy().Unit(1), std::string("u1,s1"));
    }

    void addingUnitZeroAgainstAnotherBaseMovesTheBase()
    {
        MakeGroup(m_t->current.Record(), 4);
        Open(kDistance, 4);
        Choose(Combo(101), 2);
        m_t->messages.Answer(MessageAnswer::Yes);
        AddUnit(QStringLiteral("u0"), QStringLiteral("s0"), QStringLiteral("5"));
        QCOMPARE(M(0, 2), 5.0);
        QCOMPARE(M(2, 0), 0.2);
        QCOMPARE(M(2, 2), 1.0);
        QCOMPARE(M(0, 0), 1.0);
        QCOMPARE(M(2, 1), 0.4); // the base's other factors follow its new one
        QCOMPARE(M(3, 2), 0.625);
        QCOMPARE(M(1, 0), 0.5); // row 0 is not the one moved
        QCOMPARE(M(3, 1), 0.25);
    }

    void addingTheBaseUnitOnlyChangesItsSymbol()
    {
        MakeGroup(m_t->current.Record(), 3);
        Open(kDistance, 3);
        m_t->messages.Answer(MessageAnswer::Yes);
        AddUnit(QStringLiteral("u0"), QStringLiteral("new"), QStringLiteral("8"));
        QCOMPARE(Text(113), QStringLiteral("Unit 'u0' changed, any factor change ignored."));
        QCOMPARE(Edit(102)->text(), QStringLiteral("1"));
        QCOMPARE(m_dlg->WorkingCopy().Unit(0), std::string("u0,new"));
        QCOMPARE(M(1, 0), 0.5);
    }

    void longUnitsAreCutTo51Characters()
    {
        MakeGroup(m_t->current.Record(), 2);
        Open(kDistance, 2);
        const QString name(41, QLatin1Char('n'));
        const QString symbol(10, QLatin1Char('s'));
        AddUnit(name, symbol, QStringLiteral("2"));
        QCOMPARE(m_dlg->WorkingCopy().Unit(2), (name + "," + symbol).left(51).toStdString());
        QCOMPARE(Text(113), QStringLiteral("Unit '%1' added.").arg(name));
    }

    void deletingUnit2Of4KeepsTheOthersFactors()
    {
        MakeGroup(m_t->current.Record(), 4);
        Open(kDistance, 4);
        Choose(Combo(101), 3);
        Type(UnitField(), QStringLiteral("U2"));
        Click(117);
        QCOMPARE(m_dlg->UnitCount(), 3);
        QCOMPARE(Text(113), QStringLiteral("Unit 'U2' deleted."));
        QCOMPARE(Text(112), QStringLiteral("3"));
        QCOMPARE(Combo(104)->count(), 3);
        QCOMPARE(Combo(101)->itemText(2), QStringLiteral("u3"));
        // The base stays unit u3 although it moved up.
        QCOMPARE(Combo(101)->currentIndex(), 2);
        QCOMPARE(Combo(104)->currentIndex(), -1);
        QCOMPARE(Edit(105)->text(), QString());
        QCOMPARE(m_dlg->WorkingCopy().Unit(2), std::string("u3,s3"));
        QCOMPARE(m_dlg->WorkingCopy().Unit(3), std::string());
        QCOMPARE(M(2, 0), 0.125);
        QCOMPARE(M(0, 2), 8.0);
        QCOMPARE(M(2, 1), 0.25);
        QCOMPARE(M(1, 0), 0.5);
        for (int k = 0; k < 30; ++k)
            QVERIFY(M(3, k) == 0.0 && M(k, 3) == 0.0);
    }

    void deletingTheLastUnitDisablesTheFactorControls()
    {
        Open(CustomGroupId(1), 0);
        Type(UnitField(), QStringLiteral("only"));
        Enter(UnitField());
        Type(UnitField(), QStringLiteral("only"));
        Click(117);
        QCOMPARE(m_dlg->UnitCount(), 0);
        QVERIFY(!Combo(101)->isEnabled() && !Edit(102)->isEnabled());
        QVERIFY(FindControl(*m_dlg, 118)->isEnabled());
        QCOMPARE(Combo(101)->currentIndex(), -1);
    }

    void calculateAcceptsNegativeFactorsAndDerivesTheRest()
    {
        MakeGroup(m_t->current.Record(), 3);
        Open(kDistance, 3);
        Choose(Combo(104), 1);
        Type(Edit(102), QStringLiteral("-2"));
        Click(80);
        QCOMPARE(M(1, 0), -2.0);
        QCOMPARE(M(0, 1), -0.5);
        QCOMPARE(M(2, 1), -0.125);
        QCOMPARE(M(1, 2), -8.0);
        QVERIFY(m_t->messages.shown.empty());
        QCOMPARE(m_t->busy.begun, 1);
        QCOMPARE(m_t->busy.depth, 0);
    }

    void refusalsLeaveTheWorkingCopyAlone()
    {
        MakeGroup(m_t->current.Record(), 3);
        Open(kDistance, 3);
        const GroupWorkingCopy before = m_dlg->WorkingCopy();
        auto unchanged = [&] {
            for (int r = 0; r < 30; ++r)
                for (int c = 0; c < 30; ++c)
                    if (M(r, c) != before.Factor(r, c))
                        return false;
            return m_dlg->UnitCount() == before.Count();
        };

        Type(Edit(102), QStringLiteral("0"));
        Click(80); // unit 0 is the base
        QCOMPARE(LastText(), std::string("Cannot calculate when Base Unit and Unit are the same."));
        Choose(Combo(104), 1);
        Type(Edit(102), QStringLiteral("-0"));
        Click(80);
        QCOMPARE(LastText(), std::string("Factor entered is zero.  Cannot calculate."));
        AddUnit(QStringLiteral("new"), QString(), QStringLiteral("0"));
        QCOMPARE(LastText(), std::string("Factor must be greater than 0."));
        AddUnit(QString(), QString(), QStringLiteral("2"));
        QCOMPARE(LastText(),
                 std::string("You cannot add a null unit.  Enter a unit name in the Unit field and a "
                             "conversion factor in the Factor field, if appropriate."));
        QCOMPARE(m_t->messages.Last()->icon, MessageIcon::Stop);
        QCOMPARE(m_t->messages.beeps.size(), std::size_t(3)); // the null unit box has no beep
        QVERIFY(unchanged());
    }

    void aFactorThatIsNotANumberStopsEveryOperation()
    {
        MakeGroup(m_t->current.Record(), 3);
        Open(kDistance, 3);
        const GroupWorkingCopy before = m_dlg->WorkingCopy();
        const QString texts[] = {QStringLiteral("3,28084"), QStringLiteral("abc"), QStringLiteral("1e999")};
        for (const QString& text : texts) {
            // Add: a new unit with a good symbol is not added, whatever factor read well before.
            AddUnit(QStringLiteral("foot"), QStringLiteral("ft"), text);
            QCOMPARE(LastText(), std::string("Please enter a number."));
            QCOMPARE(UnitField()->text(), QStringLiteral("foot"));
            QCOMPARE(Edit(105)->text(), QStringLiteral("ft"));
            QCOMPARE(Edit(102)->text(), text);
            QCOMPARE(QApplication::focusWidget(), Edit(102));
            // Change and Calc on a chosen unit stop as well.
            Choose(Combo(104), 2);
            Type(Edit(105), QStringLiteral("zz"));
            Type(Edit(102), text);
            Click(118);
            Click(80);
            QCOMPARE(Edit(102)->text(), text);
            QVERIFY(m_dlg->WorkingCopy() == before);
        }
        QCOMPARE(m_t->messages.shown.size(), std::size_t(9));

        // The value field's fractions and mixed numbers are numbers here too.
        AddUnit(QStringLiteral("third"), QStringLiteral("t"), QStringLiteral("1/3"));
        AddUnit(QStringLiteral("more"), QStringLiteral("m"), QStringLiteral(" 2 1/2 "));
        QCOMPARE(m_dlg->UnitCount(), 5);
        QCOMPARE(M(3, 0), 1.0 / 3.0);
        QCOMPARE(M(4, 0), 2.5);
    }

    void namesTheFileOrTheListsCannotHoldAreRefused()
    {
        MakeGroup(m_t->current.Record(), 3);
        Open(CustomGroupId(1), 3);
        const GroupWorkingCopy before = m_dlg->WorkingCopy();
        const QString comma = QStringLiteral("A unit name or symbol cannot contain a comma.");
        AddUnit(QStringLiteral("rod,pole"), QStringLiteral("rd"), QStringLiteral("5"));
        QCOMPARE(QString::fromStdString(LastText()), comma);
        QCOMPARE(QApplication::focusWidget(), Combo(104));
        AddUnit(QStringLiteral("rod"), QStringLiteral("r,p"), QStringLiteral("5"));
        QCOMPARE(QString::fromStdString(LastText()), comma);
        QCOMPARE(QApplication::focusWidget(), Edit(105));

        // Change may not give a unit another unit's name, in any case; nor an empty one.
        Choose(Combo(104), 1);
        Type(UnitField(), QStringLiteral("U2"));
        Click(118);
        QCOMPARE(LastText(), std::string("U2 already exists."));
        Type(UnitField(), QString());
        Click(118);
        QVERIFY(LastText().starts_with("You cannot add a null unit."));
        QCOMPARE(Combo(104)->itemText(1), QStringLiteral("u1"));
        QVERIFY(m_dlg->WorkingCopy() == before);

        Type(Edit(100), QStringLiteral("  "));
        Click(699);
        QCOMPARE(LastText(), std::string("You must enter a group name."));
        QCOMPARE(QApplication::focusWidget(), Edit(100));
        QVERIFY(m_dlg->isVisible());
        QCOMPARE(m_t->current.Record().m_units[1], std::string("u1,s1"));
    }

    void deleteRemovesTheSelectedUnitEvenWhenAnotherHasItsName()
    {
        // Files written before names were checked can hold two units of one name.
        MakeGroup(m_t->current.Record(), 3);
        m_t->current.Record().m_units[2] = "u0,second";
        Open(kDistance, 3);
        Choose(Combo(104), 2);
        Click(117);
        QCOMPARE(m_dlg->UnitCount(), 2);
        QCOMPARE(m_dlg->WorkingCopy().Unit(0), std::string("u0,s0"));
        QCOMPARE(m_dlg->WorkingCopy().Unit(1), std::string("u1,s1"));
        QCOMPARE(Text(113), QStringLiteral("Unit 'u0' deleted."));
    }

    void longNamesNeitherWidenTheEditorNorSqueezeTheFactor()
    {
        MakeGroup(m_t->current.Record(), 2);
        Open(kDistance, 2);
        const int width = m_dlg->sizeHint().width();
        const QString longName(41, QLatin1Char('W'));
        AddUnit(longName, QStringLiteral("w"), QStringLiteral("2"));
        QCOMPARE(m_dlg->sizeHint().width(), width);
        QVERIFY(Edit(102)->width() >=
                Edit(102)->fontMetrics().horizontalAdvance(QStringLiteral("0.333333333333333")));
        QCOMPARE(Combo(104)->itemData(2, Qt::ToolTipRole).toString(), longName);
        QCOMPARE(Combo(101)->itemData(2, Qt::ToolTipRole).toString(), longName);
    }

    void changeRenamesTheSelectedOrLastChosenUnit()
    {
        MakeGroup(m_t->current.Record(), 3);
        Open(kDistance, 3);
        Choose(Combo(104), 1);
        Type(UnitField(), QStringLiteral("renamed"));
        Type(Edit(102), QStringLiteral("4"));
        Click(118);
        QCOMPARE(Combo(104)->itemText(1), QStringLiteral("renamed"));
        QCOMPARE(Combo(101)->itemText(1), QStringLiteral("renamed"));
        QCOMPARE(m_dlg->WorkingCopy().Unit(1), std::string("renamed,s1"));
        QCOMPARE(M(1, 0), 4.0);
        QCOMPARE(M(2, 1), 0.0625); // the unit's other factors follow the changed one
        QCOMPARE(Text(113), QStringLiteral("Unit 'renamed' changed."));
    }

    void acceptRefusesOneUnitAndLeavesZerosBeyondN()
    {
        Open(CustomGroupId(1), 0);
        Type(UnitField(), QStringLiteral("one"));
        Enter(UnitField());
        Click(699);
        QCOMPARE(LastText(), std::string("You must have at least two units defined."));
        QVERIFY(m_dlg->isVisible());

        MakeGroup(m_t->current.Record(), 5);
        m_t->current.Record().m_factors[29][29] = 42.0;
        Open(kDistance, 3);
        Click(699);
        QCOMPARE(m_dlg->result(), 3);
        const CConversion& group = m_t->current.Record();
        QCOMPARE(group.m_unitCount, std::uint16_t(3));
        QCOMPARE(group.m_factors[2][1], 0.5);
        for (int r = 0; r < 30; ++r)
            for (int c = 0; c < 30; ++c)
                if (r >= 3 || c >= 3)
                    QCOMPARE(group.m_factors[std::size_t(r)][std::size_t(c)], 0.0);
    }

    void enterInAnyFieldAddsTheUnit()
    {
        MakeGroup(m_t->current.Record(), 2);
        Open(kDistance, 2);
        int expected = 2;
        for (int id : {100, 108, 102, 105, 104, 101}) {
            Type(UnitField(), QStringLiteral("unit%1").arg(id));
            Type(Edit(102), QStringLiteral("3"));
            QWidget* field = FindControl(*m_dlg, id);
            field->setFocus();
            Enter(id == 104 ? UnitField() : field);
            QCOMPARE(m_dlg->UnitCount(), ++expected);
        }
        QVERIFY(m_dlg->isVisible());
    }

    void helpButtonAndHelpKey()
    {
        MakeGroup(m_t->current.Record(), 2);
        Open(kDistance, 2);
        Click(710);
        Edit(102)->setFocus();
        QTest::keyClick(Edit(102), Qt::Key_F1);
        QTest::keyClick(UnitField(), Qt::Key_F1);
        QCOMPARE(m_t->help.topics, (std::vector<int>{3010, 17012, 17013}));
        m_dlg.reset();
        Open(CustomGroupId(1), 0);
        Click(710);
        QCOMPARE(m_t->help.topics.back(), 1220);
    }

    void leavingWithChangesAsksFirst()
    {
        MakeGroup(m_t->current.Record(), 3);
        Open(kDistance, 3);
        QTest::keyClick(m_dlg.get(), Qt::Key_Escape);
        QVERIFY(!m_dlg->isVisible());
        QVERIFY(m_t->messages.shown.empty());

        Open(kDistance, 3);
        Type(Edit(108), QStringLiteral("changed"));
        m_t->messages.Answer(MessageAnswer::KeepEditing);
        QTest::keyClick(Edit(108), Qt::Key_Escape);
        QVERIFY(m_dlg->isVisible());
        QCOMPARE(m_t->messages.Last()->buttons, MessageButtons::DiscardKeepEditing);
        m_t->messages.Answer(MessageAnswer::KeepEditing);
        m_dlg->close();
        QVERIFY(m_dlg->isVisible());
        QCOMPARE(m_t->messages.shown.size(), std::size_t(2));
    }

    void cancelReturnsZeroAndLeavesTheGroup()
    {
        MakeGroup(m_t->current.Record(), 3);
        Open(kDistance, 3);
        AddUnit(QStringLiteral("more"), QString(), QStringLiteral("2"));
        m_t->messages.Answer(MessageAnswer::Discard);
        Click(700);
        QCOMPARE(m_t->messages.Last()->buttons, MessageButtons::DiscardKeepEditing);
        QCOMPARE(m_dlg->result(), 0);
        QCOMPARE(m_t->current.Record().m_unitCount, std::uint16_t(3));
        QCOMPARE(m_t->current.Record().m_units[3], std::string());
    }
};

int main(int argc, char** argv)
{
    kalvex::testing::IsolateUserFolders();
    QApplication app(argc, argv);
    GroupEditorTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "group_editor_test.moc"
