#include "tests/ui/editing/group_editor_fixture.h"
#include "tests/ui/support/isolated_environment.h"
#include "tests/ui/support/modal_watchdog.h"
#include "ui/controls/image_button.h"

#include <QApplication>

using namespace kalvex;
using namespace kalvex::testing;

// Creating a group and changing its units and factors in the working copy.
class GroupEditorTest : public QObject, private GroupEditorFixture {
    Q_OBJECT

private slots:
    void init() { Start(); }
    void cleanup() { Finish(); }

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
};

int main(int argc, char** argv)
{
    kalvex::testing::IsolateUserFolders();
    QApplication app(argc, argv);
    GroupEditorTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "group_editor_test.moc"
