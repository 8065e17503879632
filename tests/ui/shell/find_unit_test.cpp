#include "launcher_fixture.h"

#include "core/temperature.h"
#include "platform/qt/help_index.h"
#include "storage/factor_file.h"
#include "tests/support/two_unit_group.h"
#include "tests/ui/support/isolated_environment.h"
#include "ui/controls/control_id.h"
#include "ui/conversion/all_units_dlg.h"
#include "ui/conversion/conversion_dlg.h"
#include "ui/conversion/temperature_dlg.h"
#include "ui/editing/unit_order_dlg.h"
#include "ui/shell/command_ids.h"
#include "ui/shell/find_unit_bar.h"
#include "ui/shell/find_unit_bar_hint.h"
#include "ui/shell/kalvex_view.h"
#include "ui/shell/launcher_pane.h"
#include "ui/shell/main_frame.h"
#include "ui/shell/status_prompts.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTest>
#include <memory>

using namespace kalvex;
using namespace kalvex::testing;

namespace {

struct FindFixture : MainWindowApp {
    FindFixture() { pane->View().setFocus(); }

    CFindUnitBar& Bar() const { return pane->FindBar(); }
    void Find(const QString& text) const
    {
        QTest::keyClick(&pane->View(), Qt::Key_F, Qt::ControlModifier);
        QTest::keyClicks(&Bar().Field(), text);
    }
    QString Result(const QDialog& dialog, int id) const { return FindControl<QLineEdit>(dialog, id)->text(); }
};

} // namespace

class FindUnitTest : public QObject {
    Q_OBJECT

private slots:
    void ctrlFTypedValueAndUnitOpensTheGroupWithThatUnitAndValue()
    {
        FindFixture f;
        f.Find(QStringLiteral("2 1/2 in"));
        QVERIFY(f.Bar().isVisible());
        QVERIFY(f.Bar().Results().currentItem());
        QCOMPARE(f.Bar().Results().currentItem()->text(), QStringLiteral("inch (in), Distance"));

        bool opened = false;
        int selectedId = 0;
        bool inchChecked = false;
        double entered = 0.0;
        QStringList texts;
        f.app.dialogs.steps.push_back([&](QDialog& dialog) {
            auto* distance = qobject_cast<CConversionDlg*>(&dialog);
            opened = distance != nullptr;
            if (!distance)
                return 0;
            selectedId = distance->m_selectedId;
            inchChecked = FindControl<QAbstractButton>(dialog, 8008)->isChecked();
            entered = distance->m_enteredValue;
            texts << FindControl<QLineEdit>(dialog, 306)->text() << f.Result(dialog, 8208)
                  << f.Result(dialog, 8204);
            return 0;
        });
        QTest::keyClick(&f.Bar().Field(), Qt::Key_Return);
        QVERIFY(opened);
        // Inch is the eighth unit Distance shows; centimeter the fourth.
        QCOMPARE(selectedId, 8008);
        QVERIFY(inchChecked);
        QCOMPARE(entered, 2.5);
        QCOMPARE(texts, (QStringList{"2 1/2", "2.5", "6.35"}));
        QVERIFY(!f.Bar().isVisible());
        QCOMPARE(f.app.dialogs.unexpected, 0);
    }

    void aHeightInFeetAndInchesOpensAsItsSumAndTheFootRowReadsItBack()
    {
        FindFixture f;
        const auto* hint = f.Bar().findChild<CFindUnitHint*>(QStringLiteral("findUnitState"));
        QVERIFY(hint);
        f.Find(QStringLiteral("5 ft 3 kg"));
        QCOMPARE(hint->text(),
                 QStringLiteral("Cannot add \"3 kg\" to \"5 ft\": their units are in different groups."));
        QTest::keyClick(&f.Bar().Field(), Qt::Key_Return);
        QCOMPARE(f.app.messages.beeps.size(), std::size_t(1));

        f.Find(QStringLiteral("5'11\""));
        QCOMPARE(hint->text(), QStringLiteral("5 ft 11 in = 1.8034 m. Enter opens foot (ft), Distance."));
        double entered = 0.0;
        QString typed, footTip, footDescription;
        f.app.dialogs.steps.push_back([&](QDialog& dialog) {
            auto* distance = qobject_cast<CConversionDlg*>(&dialog);
            entered = distance ? distance->m_enteredValue : 0.0;
            typed = FindControl<QLineEdit>(dialog, 306)->text();
            // Foot is the ninth unit Distance shows.
            const QLineEdit* foot = FindControl<QLineEdit>(dialog, 8209);
            footTip = foot->toolTip();
            footDescription = foot->accessibleDescription();
            return 0;
        });
        QTest::keyClick(&f.Bar().Field(), Qt::Key_Return);
        QCOMPARE(typed, QStringLiteral("5 11/12"));
        QCOMPARE(entered, 71.0 / 12.0);
        QVERIFY(footTip.contains(QStringLiteral("5 ft 11 in")));
        QCOMPARE(footDescription, QStringLiteral("5 ft 11 in"));
    }

    void aUnitOnlyTheLibraryHasAddsItsGroupWhenTheUserAgreesAndOpensIt()
    {
        FindFixture f;
        QDir install(QString::fromStdString(f.app.state.m_factorPath));
        QVERIFY(install.mkpath("bin") && install.mkpath("share/kalvex/groups"));
        QVERIFY(QFile::copy(QStringLiteral(KALVEX_LIBRARY_DIR "/ElectricCurrent.fsf"),
                            install.filePath("share/kalvex/groups/ElectricCurrent.fsf")));
        f.app.state.m_programDir = install.filePath("bin/").toStdString();
        const auto* hint = f.Bar().findChild<CFindUnitHint*>(QStringLiteral("findUnitState"));

        // With every custom place taken the hint says why the group cannot come, and Enter only beeps.
        f.app.state.m_numCust = kMaxCustomGroups;
        f.Find(QStringLiteral("20 mA"));
        QVERIFY(hint->text().contains(QStringLiteral("cannot be added")));
        QTest::keyClick(&f.Bar().Field(), Qt::Key_Return);
        QCOMPARE(f.app.messages.beeps.size(), std::size_t(1));
        QVERIFY(f.app.messages.shown.empty());
        QTest::keyClick(&f.Bar().Field(), Qt::Key_Escape);

        f.app.state.m_numCust = 0;
        f.Find(QStringLiteral("20 mA"));
        QCOMPARE(f.Bar().Results().currentItem()->text(),
                 QStringLiteral("milliampere (mA), Electric current (library)"));
        QCOMPARE(hint->text(),
                 QStringLiteral("milliampere is in the library group Electric current, not one of "
                                "yours: Enter asks to add it, then opens it."));
        f.app.messages.Answer(MessageAnswer::Yes);
        QString milliamperes;
        f.app.dialogs.steps.push_back([&](QDialog& dialog) {
            milliamperes = FindControl<QLineEdit>(dialog, 306)->text();
            return 0;
        });
        QTest::keyClick(&f.Bar().Field(), Qt::Key_Return);
        QVERIFY(QString::fromStdString(f.app.messages.shown.front().text).contains("\"Electric current\""));
        QCOMPARE(f.app.settings.ReadInt("Settings", "NumCust", 0), 1);
        QCOMPARE(milliamperes, QStringLiteral("20"));
    }

    void temperatureOpensOnTheScaleTypedAndTheWindowStillRefusesWhatItRefuses()
    {
        FindFixture f;
        f.Find(QStringLiteral("-40 C"));
        QString fahrenheit;
        int scale = 0;
        f.app.dialogs.steps.push_back([&](QDialog& dialog) {
            auto* temperature = qobject_cast<CTemperatureDlg*>(&dialog);
            scale = temperature ? temperature->m_scale : 0;
            fahrenheit = f.Result(dialog, 112);
            return 0;
        });
        QTest::keyClick(&f.Bar().Field(), Qt::Key_Return);
        QCOMPARE(scale, kCelsius);
        QCOMPARE(fahrenheit, QStringLiteral("-40"));

        f.Find(QStringLiteral("-3 ft"));
        f.app.dialogs.steps.push_back([](QDialog&) { return 0; });
        QTest::keyClick(&f.Bar().Field(), Qt::Key_Return);
        QVERIFY(f.app.messages.Last());
        QCOMPARE(f.app.messages.Last()->text, std::string("distance less than minimum of 0.000000"));
    }

    void unitsOfSeveralGroupsAreLeftToTheUserToChoose()
    {
        FindFixture f;
        f.Find(QStringLiteral("oz"));
        // The three ounces; symbols match whole, so the troy ounce's "oz t" is not one of them.
        QCOMPARE(f.Bar().Results().count(), 3);
        QCOMPARE(f.Bar().Results().item(2)->text(), QStringLiteral("ounce (Imperial fluid) (oz), Volume"));
        QCOMPARE(f.Bar().Results().currentRow(), -1);
        QTest::keyClick(&f.Bar().Field(), Qt::Key_Return);
        QCOMPARE(f.app.dialogs.runs, 0);
        QCOMPARE(f.app.messages.beeps.size(), std::size_t(1));

        QTest::keyClick(&f.Bar().Field(), Qt::Key_Down);
        QTest::keyClick(&f.Bar().Field(), Qt::Key_Down);
        QVERIFY(f.Bar().Results().currentItem());
        QCOMPARE(f.Bar().Results().currentItem()->text(), QStringLiteral("ounce (US fluid) (oz), Volume"));
        QString group;
        QString value;
        f.app.dialogs.steps.push_back([&](QDialog& dialog) {
            group = QString::fromStdString(f.app.current.Record().m_name);
            // The US fluid ounce is the eighth unit Volume shows; no value typed reads as 1.
            value = f.Result(dialog, 8208);
            return 0;
        });
        QTest::keyClick(&f.Bar().Field(), Qt::Key_Return);
        QCOMPARE(group, QStringLiteral("Volume"));
        QCOMPARE(value, QStringLiteral("1"));
    }

    void aSymbolInAnotherCaseIsOnlyOfferedAndAPlainWordOpensItsUsualMeaning()
    {
        FindFixture f;
        const auto* hint = f.Bar().findChild<QLabel*>(QStringLiteral("findUnitState"));
        QVERIFY(hint);
        f.Find(QStringLiteral("1 mW"));
        QCOMPARE(hint->text(), QStringLiteral("Did you mean megawatt (MW), Power? Down chooses it."));
        QCOMPARE(f.Bar().Results().currentRow(), -1);
        QTest::keyClick(&f.Bar().Field(), Qt::Key_Return);
        QCOMPARE(f.app.dialogs.runs, 0);
        QCOMPARE(f.app.messages.beeps.size(), std::size_t(1));

        int megawatt = 0;
        f.app.dialogs.steps.push_back([&](QDialog& dialog) {
            auto* power = qobject_cast<CConversionDlg*>(&dialog);
            megawatt = power ? power->m_selectedId : 0;
            return 0;
        });
        QTest::keyClick(&f.Bar().Field(), Qt::Key_Down);
        QTest::keyClick(&f.Bar().Field(), Qt::Key_Return);
        QCOMPARE(megawatt, 8003); // the third unit Power shows

        f.Find(QStringLiteral("3 miles"));
        QCOMPARE(hint->text(),
                 QStringLiteral("Enter opens mile (international) (mi), Distance. Also matches "
                                "mile (US statute) (mi), Distance; mile (nautical) (nmi), Distance."));
        int chosen = -1;
        f.app.dialogs.steps.push_back([&](QDialog& dialog) {
            chosen = qobject_cast<CAllUnitsDlg*>(&dialog)
                         ? FindControl<QComboBox>(dialog, 1001)->currentIndex()
                         : -1;
            return 0;
        });
        QTest::keyClick(&f.Bar().Field(), Qt::Key_Return);
        QCOMPARE(chosen, 15); // unit 16, which Distance does not show
        QCOMPARE(f.app.dialogs.unexpected, 0);
    }

    void aUnitTheGroupDoesNotShowOpensAmongAllUnitsAndKeepsTheStoredOrder()
    {
        FindFixture f;
        CConversion before;
        QVERIFY(LoadFactorFile(f.app.state.m_factorPath + "Dist.fsf", before));
        f.Find(QStringLiteral("3 parsecs"));
        int chosen = -1;
        f.app.dialogs.steps.push_back([&](QDialog& dialog) {
            auto* all = qobject_cast<CAllUnitsDlg*>(&dialog);
            if (!all)
                return 0;
            chosen = FindControl<QComboBox>(dialog, 1001)->currentIndex();
            // The user changed factors and saves them on closing.
            all->m_factorsChanged = 1;
            f.app.messages.Answer(MessageAnswer::Yes);
            all->reject();
            return 0;
        });
        QTest::keyClick(&f.Bar().Field(), Qt::Key_Return);
        QCOMPARE(chosen, 19); // parsec, unit 20
        CConversion after;
        QVERIFY(LoadFactorFile(f.app.state.m_factorPath + "Dist.fsf", after));
        QVERIFY(after.m_unitOrder == before.m_unitOrder);
        QCOMPARE(after.m_shownCount, before.m_shownCount);
        QVERIFY(after.m_updateDate != before.m_updateDate); // it was saved
    }

    // A unit name as long as the editor allows, in a group of the user's: the hint wraps within
    // the window, which keeps the width it has and saves; once a row is chosen, the hint names it.
    void aLongMatchKeepsTheWindowWidthAndTheHintFollowsTheChoice()
    {
        FindFixture f;
        const QString longName(41, u'W');
        QVERIFY(SaveFactorFile(TwoUnitGroup("Long Names Group", longName.toStdString() + ",WWWWWWWWWW",
                                            std::string(41, 'V') + ",VVVVVVVVVV"),
                               f.app.state.m_factorPath + "Cust01.fsf", f.app.replacer));
        f.app.settings.WriteInt("Settings", "NumCust", 1);
        const auto* hint = f.Bar().findChild<CFindUnitHint*>(QStringLiteral("findUnitState"));
        QVERIFY(hint);
        const int width = f.frame->width();

        f.Find(QStringLiteral("WWWWWWWWWW"));
        // Each layout tells its parent's in turn, up to the window.
        for (int level = 0; level < 4; ++level)
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QCOMPARE(hint->text(), "Enter opens " + longName + " (WWWWWWWWWW), Long Names Group.");
        QCOMPARE(f.frame->width(), width);
        QVERIFY(hint->ShownLines(hint->contentsRect().width()).size() > 1); // wrapped, not clipped
        // The one row found is in sight, not under a scroll bar.
        const QListWidget& found = f.Bar().Results();
        QVERIFY(found.visualItemRect(found.item(0)).bottom() < found.viewport()->height());
        f.frame->SavePlacement();
        QCOMPARE(f.app.settings.ReadInt("Frame", "Right", 0) - f.app.settings.ReadInt("Frame", "Left", 0),
                 width);

        // Until a row is chosen the hint tells how to choose; then it names what Enter opens.
        f.Find(QStringLiteral("oz"));
        QVERIFY(hint->text().contains(QStringLiteral("Up and Down")));
        QTest::keyClick(&f.Bar().Field(), Qt::Key_Down);
        QCOMPARE(hint->text(), QStringLiteral("Enter opens ounce (oz), Mass."));
        // A match chosen for the user names the others; choosing one of them names that one alone.
        f.Find(QStringLiteral("3 miles"));
        QTest::keyClick(&f.Bar().Field(), Qt::Key_Down);
        QCOMPARE(hint->text(), QStringLiteral("Enter opens mile (US statute) (mi), Distance."));
    }

    void lettersTypedIntoTheFieldAreTextAndEscapeGivesTheLauncherItsKeysBack()
    {
        FindFixture f;
        f.Find(QStringLiteral("dram"));
        QCOMPARE(f.Bar().Field().text(), QStringLiteral("dram"));
        QCOMPARE(f.app.dialogs.runs, 0);
        QTest::keyClick(&f.Bar().Field(), Qt::Key_Escape);
        QVERIFY(!f.Bar().isVisible());
        QVERIFY(f.pane->View().hasFocus());

        bool unitOrder = false;
        f.app.dialogs.steps.push_back([&](QDialog& dialog) {
            unitOrder = qobject_cast<CUnitOrderDlg*>(&dialog) != nullptr;
            return 0;
        });
        QTest::keyClick(&f.pane->View(), Qt::Key_D);
        QVERIFY(unitOrder);
    }

    void theEditMenuItemOpensTheFieldAndEverythingHasAName()
    {
        FindFixture f;
        QAction* item = f.frame->CommandAction(command::kFindUnit);
        QVERIFY(item);
        QCOMPARE(item->text(), QStringLiteral("F&ind Unit...\tCtrl+F"));
        QVERIFY(f.frame->IsCommandEnabled(command::kFindUnit));
        QVERIFY(!FixedPrompt(command::kFindUnit).isEmpty());
        // F1 on the highlighted item asks for the command's topic.
        const HelpIndex help = HelpIndex::LoadFrom(":/help/topics.txt");
        const HelpIndex::Topic* topic = help.Find(kCommandHelpBase + command::kFindUnit);
        QVERIFY(topic);
        QVERIFY(QFile::exists(":/help/" + topic->page));
        item->trigger();
        QVERIFY(f.Bar().isVisible());
        QVERIFY(f.Bar().Field().hasFocus());
        // Ctrl+F again keeps the text, selected, so typing replaces it.
        QTest::keyClicks(&f.Bar().Field(), QStringLiteral("mph"));
        QTest::keyClick(&f.Bar().Field(), Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(f.Bar().Field().selectedText(), QStringLiteral("mph"));
        QVERIFY(!f.Bar().Field().accessibleName().isEmpty());
        QVERIFY(!f.Bar().Results().accessibleName().isEmpty());
    }

    void typingKeepsTheFocusInTheFieldAndTheChoiceIsTheListsSelection()
    {
        FindFixture f;
        QListWidget& results = f.Bar().Results();
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(&results);
        const auto focusStaysInTheField = [&] {
            for (int row = 0; row < list->childCount(); ++row)
                QVERIFY(!list->child(row)->state().focused);
            QVERIFY(!list->focusChild());
            QCOMPARE(QApplication::focusWidget(), &f.Bar().Field());
            QVERIFY(QAccessible::queryAccessibleInterface(&f.Bar().Field())->state().focused);
        };
        f.Find(QStringLiteral("in")); // taken at once: a row is chosen while typing goes on
        focusStaysInTheField();
        QTest::keyClicks(&f.Bar().Field(), QStringLiteral("ch"));
        QTest::keyClick(&f.Bar().Field(), Qt::Key_Down);
        focusStaysInTheField();
        QAccessibleInterface* chosen = list->child(results.currentRow());
        QVERIFY(chosen && chosen->state().selected);
        QCOMPARE(chosen->text(QAccessible::Name), results.currentItem()->text());

        // Once the list itself has the focus, its chosen row has it.
        results.setFocus();
        QVERIFY(chosen->state().focused);
        QCOMPARE(list->focusChild(), chosen);
    }
};

int main(int argc, char** argv)
{
    kalvex::testing::IsolateUserFolders();
    QApplication application(argc, argv);
    FindUnitTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "find_unit_test.moc"
