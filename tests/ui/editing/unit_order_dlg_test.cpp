#include "ui/editing/unit_order_dlg.h"

#include "tests/ui/support/group_editor_driver.h"
#include "tests/ui/support/isolated_environment.h"
#include "tests/ui/support/modal_watchdog.h"
#include "tests/ui/support/test_app.h"
#include "ui/controls/control_id.h"
#include "ui/editing/group_def_dlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTest>

using namespace kalvex;
using kalvex::testing::GroupEditorDriver;
using kalvex::testing::TestApp;

namespace {

constexpr int kDistance = 4104;
const std::string kFactorsQuestion =
    "You are about to abort the changes you made to the conversion factors/units.  Is this correct?";
const std::string kOrderQuestion =
    "You are about to abort the changes you made to the conversion unit order.  Is this correct?";

// A Distance group of n units "unit1,u1" .. with every factor against the first unit known.
void MakeGroup(CurrentGroup& current, int n, std::initializer_list<int> order)
{
    CConversion& group = current.Record();
    group = CConversion{};
    group.m_name = "Distance";
    for (int k = 0; k < n; ++k) {
        group.m_units[static_cast<std::size_t>(k)] =
            "unit" + std::to_string(k + 1) + ",u" + std::to_string(k + 1);
        group.m_factors[static_cast<std::size_t>(k)][0] = k + 1.0;
    }
    group.m_unitCount = static_cast<std::uint16_t>(n);
    std::size_t i = 0;
    for (int unit : order)
        group.m_unitOrder[i++] = static_cast<std::uint16_t>(unit);
    group.m_shownCount = static_cast<std::uint16_t>(order.size());
}

QComboBox* List(QDialog& dialog, int position)
{
    return FindControl<QComboBox>(dialog, 100 + position);
}

} // namespace

class UnitOrderDlgTest : public QObject {
    Q_OBJECT

private slots:
    void opensWithTheStoredOrder()
    {
        TestApp app;
        MakeGroup(app.current, 25, {2, 14, 18});
        CUnitOrderDlg dialog(app.state, app.current, kDistance, 25);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Specify Distance Unit Order"));
        QCOMPARE(List(dialog, 1)->currentText(), QStringLiteral("unit2"));
        QCOMPARE(List(dialog, 2)->currentText(), QStringLiteral("unit14"));
        QCOMPARE(List(dialog, 3)->currentText(), QStringLiteral("unit18"));
        QCOMPARE(List(dialog, 1)->itemText(0), QStringLiteral("None"));
        for (int k = 1; k <= 15; ++k) {
            QVERIFY(List(dialog, k)->isEnabled());
            if (k > 3)
                QCOMPARE(List(dialog, k)->currentIndex(), -1);
        }
        // The upper triangle is completed from the lower one.
        QCOMPARE(app.current.Record().m_factors[0][3], 0.25);
    }

    void smallGroupFillsOnlyItsLists()
    {
        TestApp app;
        MakeGroup(app.current, 6, {1, 2});
        CUnitOrderDlg dialog(app.state, app.current, kDistance, 6);
        for (int k = 1; k <= 15; ++k) {
            QCOMPARE(List(dialog, k)->isEnabled(), k <= 6);
            QCOMPARE(List(dialog, k)->count(), k <= 6 ? 7 : 0);
        }
    }

    void okPacksTheChosenUnits()
    {
        TestApp app;
        MakeGroup(app.current, 8, {1, 2, 3, 4});
        CUnitOrderDlg dialog(app.state, app.current, kDistance, 8);
        dialog.show();
        List(dialog, 1)->setCurrentIndex(0);
        List(dialog, 2)->setCurrentIndex(5);
        List(dialog, 3)->setCurrentIndex(-1);
        List(dialog, 4)->setCurrentIndex(3);
        QCOMPARE(FindControl<QLabel>(dialog, 120)->text(),
                 QStringLiteral("You have made changes to the unit order."));
        SendCommand(dialog, 699);
        QCOMPARE(dialog.result(), 8);
        const CConversion& group = app.current.Record();
        QCOMPARE(group.m_shownCount, 2);
        QCOMPARE(group.m_unitOrder[0], 5);
        QCOMPARE(group.m_unitOrder[1], 3);
        QCOMPARE(group.m_unitOrder[2], 65535);
        QCOMPARE(group.m_unitOrder[14], 65535);
    }

    void okWithOneUnitIsRefused()
    {
        TestApp app;
        MakeGroup(app.current, 4, {1, 2});
        CUnitOrderDlg dialog(app.state, app.current, kDistance, 4);
        dialog.show();
        List(dialog, 2)->setCurrentIndex(0);
        SendCommand(dialog, 699);
        QCOMPARE(app.messages.Last()->text, std::string("You must have at least 2 units selected."));
        QCOMPARE(app.messages.Last()->icon, MessageIcon::Information);
        QVERIFY(dialog.isVisible());
    }

    void enterNeverEndsTheDialog()
    {
        TestApp app;
        MakeGroup(app.current, 4, {1, 2});
        CUnitOrderDlg dialog(app.state, app.current, kDistance, 4);
        dialog.show();
        List(dialog, 1)->setFocus();
        QTest::keyClick(List(dialog, 1), Qt::Key_Return);
        QTest::keyClick(&dialog, Qt::Key_Enter);
        QVERIFY(dialog.isVisible());
        QVERIFY(app.messages.shown.empty());
    }

    void deletingUnitsInTheEditorKeepsTheOtherListedUnits()
    {
        TestApp app;
        MakeGroup(app.current, 10, {9, 10, 2});
        CUnitOrderDlg dialog(app.state, app.current, kDistance, 10);
        dialog.show();
        List(dialog, 4)->setCurrentIndex(5); // chosen here, not yet in the group
        app.dialogs.steps.push_back([&](QDialog& editor) {
            GroupEditorDriver driver(editor);
            for (int unit : {8, 3}) {
                GroupEditorDriver::Choose(driver.List(104), unit);
                driver.Click(117);
            }
            driver.Click(699);
            return editor.result();
        });
        SendCommand(dialog, 712);
        QCOMPARE(dialog.UnitCount(), 8);
        QCOMPARE(List(dialog, 1)->currentText(), QStringLiteral("unit10"));
        QCOMPARE(List(dialog, 2)->currentText(), QStringLiteral("unit2"));
        QCOMPARE(List(dialog, 3)->currentText(), QStringLiteral("unit5"));
        QCOMPARE(List(dialog, 4)->currentIndex(), -1);
        QCOMPARE(List(dialog, 1)->count(), 9);
        QVERIFY(!List(dialog, 9)->isEnabled());
        QCOMPARE(FindControl<QLabel>(dialog, 120)->text(),
                 QStringLiteral("You have made changes to the conversion units or factors and unit order."));
    }

    void cancelAsksAboutEachKindOfChange()
    {
        TestApp app;
        MakeGroup(app.current, 4, {1, 2});
        {
            CUnitOrderDlg dialog(app.state, app.current, kDistance, 4);
            dialog.show();
            List(dialog, 1)->setCurrentIndex(3);
            app.messages.Answer(MessageAnswer::Yes);
            SendCommand(dialog, 700);
            QCOMPARE(app.messages.shown.size(), std::size_t{1});
            QCOMPARE(app.messages.Last()->text, kOrderQuestion);
            QVERIFY(!dialog.isVisible());
            QCOMPARE(dialog.result(), 0);
        }
        app.messages.shown.clear();
        CUnitOrderDlg dialog(app.state, app.current, kDistance, 4);
        dialog.show();
        app.dialogs.steps.push_back([](QDialog&) { return 4; });
        SendCommand(dialog, 712);
        List(dialog, 1)->setCurrentIndex(2);
        app.messages.Answer(MessageAnswer::Yes);
        app.messages.Answer(MessageAnswer::No);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QCOMPARE(app.messages.shown.size(), std::size_t{2});
        QCOMPARE(app.messages.shown[0].text, kFactorsQuestion);
        QCOMPARE(app.messages.shown[1].text, kOrderQuestion);
        QVERIFY(dialog.isVisible());
    }

    void showAllDisablesTheListsAndAsksOnOk()
    {
        TestApp app;
        MakeGroup(app.current, 6, {3, 1});
        app.current.Record().m_showAll = 1;
        CUnitOrderDlg dialog(app.state, app.current, kDistance, 6);
        dialog.show();
        for (int k = 1; k <= 15; ++k)
            QVERIFY(!List(dialog, k)->isEnabled());
        FindControl<QCheckBox>(dialog, 1002)->click();
        QVERIFY(List(dialog, 6)->isEnabled());
        app.messages.Answer(MessageAnswer::Yes);
        SendCommand(dialog, 699);
        QCOMPARE(dialog.result(), 6);
        QCOMPARE(app.current.Record().m_showAll, 0);
        QCOMPARE(app.current.Record().m_unitOrder[0], 3);
        QCOMPARE(app.current.Record().m_unitOrder[1], 1);
    }
};

int main(int argc, char** argv)
{
    kalvex::testing::IsolateUserFolders();
    QApplication application(argc, argv);
    kalvex::testing::ModalWatchdog watchdog;
    UnitOrderDlgTest test;
    const int failures = QTest::qExec(&test, argc, argv);
    return failures + watchdog.caught;
}

#include "unit_order_dlg_test.moc"
