#include "core/group_ids.h"
#include "storage/factor_file.h"
#include "tests/support/real_disk.h"
#include "tests/ui/conversion/test_groups.h"
#include "tests/ui/support/isolated_environment.h"
#include "tests/ui/support/modal_watchdog.h"
#include "tests/ui/support/test_app.h"
#include "ui/controls/control_id.h"
#include "ui/controls/unit_combo_box.h"
#include "ui/conversion/all_units_dlg.h"
#include "ui/conversion/conversion_dlg.h"
#include "ui/editing/group_def_dlg.h"
#include "ui/shell/factor_editor.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextDocument>
#include <QtTest>
#include <cmath>
#include <memory>

using namespace kalvex;
using namespace kalvex::testing;

namespace {

constexpr int kInput = 306;
constexpr int kFirstResult = 8201;

const QStringList kOneMeter = {"1", "0.001", "100", "39.3701", "3.28084", "1.09361"};
const QStringList kTwelveMeters = {"12", "0.012", "1200", "472.441", "39.3701", "13.1234"};

} // namespace

class ConversionDlgTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestApp> m_t;
    std::unique_ptr<ModalWatchdog> m_watchdog;
    std::unique_ptr<CGroupConversionDlg> m_dlg;

    std::string File(int groupId) const { return FactorFileName(m_t->state.m_factorPath, groupId); }
    QByteArray FileBytes(int groupId) const
    {
        QFile file(QString::fromStdString(File(groupId)));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // Stores the group's factor file and loads it into the current group, as the launcher does.
    void Store(const CConversion& group, int groupId)
    {
        QVERIFY(SaveFactorFile(group, File(groupId), RealDisk()));
        QVERIFY(LoadFactorFile(File(groupId), m_t->state.m_current));
    }
    void Show()
    {
        m_dlg->show();
        QApplication::setActiveWindow(m_dlg.get());
        QVERIFY(QTest::qWaitForWindowActive(m_dlg.get()));
    }
    void OpenChosen(int groupId)
    {
        m_dlg = std::make_unique<CConversionDlg>(m_t->state, groupId, GroupFactorEditor(m_t->state));
        Show();
    }
    void OpenDistance()
    {
        Store(DistanceGroup(), kDistanceId);
        OpenChosen(kDistanceId);
    }

    template <class T = QWidget> T* Control(int id) const { return FindControl<T>(*m_dlg, id); }
    QLineEdit* Input() const { return Control<QLineEdit>(kInput); }
    QString Text(int id) const
    {
        if (auto* label = Control<QLabel>(id))
            return label->text();
        if (auto* field = Control<QLineEdit>(id))
            return field->text();
        return Control<QAbstractButton>(id)->text();
    }
    QStringList Results(int rows) const
    {
        QStringList texts;
        for (int row = 0; row < rows; ++row)
            texts << Text(kFirstResult + row);
        return texts;
    }
    void Type(const QString& text)
    {
        Input()->setFocus();
        Input()->selectAll();
        QTest::keyClick(Input(), Qt::Key_Delete);
        QTest::keyClicks(Input(), text);
    }
    void Enter(const QString& text)
    {
        Type(text);
        QTest::keyClick(Input(), Qt::Key_Return);
    }
    // Clicks near the left edge, where a radio button's indicator is whatever its row's width.
    void Click(int id)
    {
        QWidget* button = Control<QAbstractButton>(id);
        QTest::mouseClick(button, Qt::LeftButton, {},
                          QPoint(std::min(8, button->width() / 2), button->height() / 2));
    }
    QScrollBar* Slider() const { return Control<QScrollBar>(111); }

    // The text a button or a buddy label shows: "&&" is an ampersand, a single "&" marks the
    // keyboard hint and is not shown.
    static QString Shown(const QString& text)
    {
        QString shown;
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i] == u'&' && i + 1 < text.size())
                ++i;
            shown += text[i];
        }
        return shown;
    }
    // A label shows exactly this text, as text.
    void CheckShown(int id, const QString& expected) const
    {
        auto* label = Control<QLabel>(id);
        QVERIFY(label);
        QCOMPARE(label->buddy() ? Shown(label->text()) : label->text(), expected);
        QVERIFY(label->textFormat() == Qt::PlainText || !Qt::mightBeRichText(label->text()));
    }

    // Changes the kilometer factor to 0.002 per meter in the group editor and accepts it.
    void ScriptFactorChange()
    {
        m_t->dialogs.steps.push_back([](QDialog& dialog) {
            auto* units = FindControl<CUnitComboBox>(dialog, 104);
            units->setCurrentIndex(2);
            emit units->activated(2);
            auto* factor = FindControl<QLineEdit>(dialog, 102);
            factor->setFocus();
            factor->selectAll();
            QTest::keyClicks(factor, QStringLiteral("0.002"));
            QTest::mouseClick(FindControl<QAbstractButton>(dialog, 107), Qt::LeftButton);
            QTest::mouseClick(FindControl<QAbstractButton>(dialog, 699), Qt::LeftButton);
            return dialog.result();
        });
    }

private slots:
    void init()
    {
        m_t = std::make_unique<TestApp>();
        m_watchdog = std::make_unique<ModalWatchdog>();
    }
    void cleanup()
    {
        m_dlg.reset();
        QCOMPARE(m_watchdog->caught, 0);
        QCOMPARE(m_t->messages.unexpected, 0);
        QCOMPARE(m_t->dialogs.unexpected, 0);
        m_watchdog.reset();
        m_t.reset();
    }

    void opensWithTitleCaptionsAndFirstResults()
    {
        OpenDistance();
        QCOMPARE(m_dlg->objectName(), QStringLiteral("DIALOG_06"));
        QCOMPARE(m_dlg->property("resourceId").toInt(), 8306);
        QCOMPARE(m_dlg->windowTitle(), QStringLiteral("Distance Conversions"));
        QCOMPARE(Text(210), QStringLiteral("&Initial Distance:"));
        QCOMPARE(Text(211), QStringLiteral("Initial distance in:"));
        QCOMPARE(Text(212), QStringLiteral("Equivalent distance:"));
        QCOMPARE(Input()->text(), QStringLiteral("1"));
        QCOMPARE(Text(160), QStringLiteral("#.6"));
        QCOMPARE(Results(6), kOneMeter);
        const QStringList names = {"meter", "kilometer", "centimeter", "inch", "foot", "yard"};
        const QStringList symbols = {"m", "km", "cm", "in", "ft", "yd"};
        for (int row = 0; row < 6; ++row) {
            QCOMPARE(Text(8001 + row), names[row]);
            QCOMPARE(Text(8101 + row), symbols[row]);
        }
        QVERIFY(!Control(8007) && !Control(8207) && !Control(8107));
        QVERIFY(Control<QRadioButton>(8001)->isChecked());
        QCOMPARE(m_dlg->m_selectedId, 8001);
        QCOMPARE(m_dlg->m_focusId, kInput);
        QCOMPARE(Slider()->value(), 1);
        // The table is completed from its lower triangle when the dialog opens.
        QCOMPARE(m_t->state.m_current.m_factors[0][2], 1000.0);
    }

    void controlsHaveSpokenNames()
    {
        OpenDistance();
        QCOMPARE(Control(8201)->accessibleName(), QStringLiteral("meter: 1"));
        QCOMPARE(Control(8202)->accessibleName(), QStringLiteral("kilometer: 0.001"));
        QCOMPARE(Input()->accessibleName(), QStringLiteral("Initial Distance"));
        Enter(QStringLiteral("12"));
        QCOMPARE(Control(8203)->accessibleName(), QStringLiteral("centimeter: 1200"));
        for (QWidget* control : m_dlg->findChildren<QWidget*>())
            if (ControlId(*control) != 0 && control->isVisible())
                QVERIFY2(!control->accessibleName().isEmpty() ||
                             !control->property("text").toString().isEmpty(),
                         qPrintable(control->objectName()));
    }

    void typedValueConvertsOnEnterAndOnLeavingTheField()
    {
        OpenDistance();
        Enter(QStringLiteral("12"));
        QCOMPARE(Results(6), kTwelveMeters);
        QCOMPARE(m_dlg->m_lastValue, 12.0);
        Type(QStringLiteral("2 1/2"));
        Control(8203)->setFocus();
        QCOMPARE(Text(8201), QStringLiteral("2.5"));
        QCOMPARE(Text(8203), QStringLiteral("250"));
    }

    void valueBelowMinimumIsRefused()
    {
        OpenDistance();
        Enter(QStringLiteral("-5"));
        QCOMPARE(m_t->messages.shown.size(), std::size_t(1));
        QCOMPARE(m_t->messages.Last()->text, std::string("distance less than minimum of 0.000000"));
        QCOMPARE(m_t->messages.Last()->icon, MessageIcon::Warning);
        QCOMPARE(m_t->messages.beeps, std::vector<MessageIcon>{MessageIcon::Warning});
        QCOMPARE(Input()->text(), QStringLiteral("1."));
        QVERIFY(!Input()->isModified());
        QCOMPARE(Results(6), kOneMeter);
        QCOMPARE(m_dlg->m_busy, 0);
        // The value put back is taken again as an ordinary entry.
        Enter(QStringLiteral("12"));
        QCOMPARE(Results(6), kTwelveMeters);
    }

    void largeValueWidensTheSlider()
    {
        OpenDistance();
        Enter(QStringLiteral("30000"));
        QCOMPARE(m_dlg->m_sliderMax, 60000.0);
        QCOMPARE(m_dlg->m_sliderStep, 3.0);
        QCOMPARE(Slider()->value(), 10000);

        Slider()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(Text(8201), QStringLiteral("30001"));
        QCOMPARE(Input()->text(), QStringLiteral("30000"));
        Slider()->triggerAction(QAbstractSlider::SliderPageStepSub);
        QCOMPARE(Text(8201), QStringLiteral("29991"));
        QCOMPARE(Slider()->value(), 9997);
        Slider()->triggerAction(QAbstractSlider::SliderToMaximum);
        QCOMPARE(Text(8201), QStringLiteral("60000"));
        QCOMPARE(Slider()->value(), 20000);
        Slider()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(Text(8201), QStringLiteral("60000"));

        Slider()->setSliderDown(true);
        Slider()->setSliderPosition(5000);
        QCOMPARE(Text(8201), QStringLiteral("60000")); // tracking leaves the value
        Slider()->setSliderDown(false);
        QCOMPARE(Text(8201), QStringLiteral("15000"));
        QCOMPARE(Slider()->value(), 5000);
    }

    void overflowingEntryIsRefusedAndKeepsTheSliderInRange()
    {
        OpenDistance();
        Enter(QStringLiteral("1e400"));
        QCOMPARE(m_t->messages.Last()->text, std::string("The value is too large to convert."));
        QCOMPARE(Text(8201), QStringLiteral("1"));
        QVERIFY(Slider()->value() >= 0 && Slider()->value() <= 20000);
        Slider()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        Enter(QStringLiteral("3"));
        QCOMPARE(Text(8201), QStringLiteral("3"));
    }

    // An overflowing value (or one whose doubled range overflows) must not become the range:
    // the slider's ends and thumb would stand for inf and nan from then on.
    void sliderKeepsAFiniteRangeAfterAnOverflowingValue_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("inf") << QStringLiteral("1e999");
        QTest::newRow("doubling overflows") << QStringLiteral("1e308");
    }
    void sliderKeepsAFiniteRangeAfterAnOverflowingValue()
    {
        QFETCH(QString, typed);
        OpenDistance();
        Enter(typed);
        QVERIFY(std::isfinite(m_dlg->m_sliderMax) && std::isfinite(m_dlg->m_sliderStep));
        Slider()->triggerAction(QAbstractSlider::SliderToMinimum);
        QCOMPARE(Results(3), (QStringList{"0", "0", "0"}));
        Slider()->setSliderDown(true);
        Slider()->setSliderPosition(5000);
        Slider()->setSliderDown(false);
        QCOMPARE(Text(8201), QStringLiteral("5000"));
        Slider()->triggerAction(QAbstractSlider::SliderToMaximum);
        QCOMPARE(Text(8201), QStringLiteral("20000"));
    }

    // Keys and the wheel move the value the way the slider's arrows do: right, up and the wheel
    // turned away add; left, down and the wheel turned back take away.
    void sliderKeysAndWheelFollowItsArrows()
    {
        OpenDistance();
        Enter(QStringLiteral("12"));
        Slider()->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(Slider()->hasFocus());
        const auto press = [this](Qt::Key key, const char* expected) {
            QTest::keyClick(Slider(), key);
            QCOMPARE(Text(8201), QLatin1String(expected));
        };
        press(Qt::Key_Right, "13");
        press(Qt::Key_Left, "12");
        press(Qt::Key_Left, "11");
        press(Qt::Key_Up, "12");
        press(Qt::Key_Down, "11");
        press(Qt::Key_PageUp, "21");
        press(Qt::Key_PageDown, "11");
        const auto wheel = [this](int delta, const char* expected) {
            const QPointF centre = QRectF(Slider()->rect()).center();
            QWheelEvent event(centre, Slider()->mapToGlobal(centre), {}, QPoint(0, delta), Qt::NoButton, {},
                              Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(Slider(), &event);
            QCOMPARE(Text(8201), QLatin1String(expected));
        };
        wheel(120, "12");
        wheel(-240, "10");
        wheel(60, "10"); // half a notch waits for the other half
        wheel(60, "11");
        press(Qt::Key_End, "20000");
        press(Qt::Key_Home, "0");
        QCOMPARE(Input()->text(), QStringLiteral("12"));
    }

    void changingTheInitialUnitConvertsTheLastTypedValue()
    {
        OpenDistance();
        Enter(QStringLiteral("12"));
        Slider()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(Text(8201), QStringLiteral("13"));
        Click(8002);
        QCOMPARE(m_dlg->m_selectedId, 8002);
        QCOMPARE(m_dlg->m_focusId, 0);
        QCOMPARE(Results(6), (QStringList{"12000", "12", "1.2e+006", "472441", "39370.1", "13123.4"}));
        QCOMPARE(Slider()->value(), 12);

        // Picking the chosen unit again recomputes nothing.
        Control<QLineEdit>(8201)->setText(QStringLiteral("untouched"));
        Click(8002);
        QCOMPARE(Text(8201), QStringLiteral("untouched"));

        // A factor missing from the file is filled through the first unit.
        Click(8004);
        Enter(QStringLiteral("36"));
        QCOMPARE(Text(8206), QStringLiteral("1"));
        QCOMPARE(Text(8205), QStringLiteral("3"));
    }

    void digitsButtonWrapsAndNotationSwitches()
    {
        CConversion group = DistanceGroup();
        group.m_digits = 12;
        Store(group, kDistanceId);
        OpenChosen(kDistanceId);
        QCOMPARE(Text(8204), QStringLiteral("39.3700787402"));
        Click(160);
        QCOMPARE(Text(160), QStringLiteral("#.13"));
        Click(160);
        QCOMPARE(Text(160), QStringLiteral("#.3"));
        QCOMPARE(m_dlg->m_numDigits, 3);
        QCOMPARE(Text(8204), QStringLiteral("39.4"));
        Click(161);
        QCOMPARE(m_dlg->m_sci, 1);
        QCOMPARE(Text(8201), QStringLiteral("1.000e+000"));
        QCOMPARE(Text(8204), QStringLiteral("3.937e+001"));
        // Both follow the typed value, not a value the slider reached.
        Slider()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        Click(161);
        QCOMPARE(Text(8201), QStringLiteral("1"));
    }

    void storedDigitsAreClamped_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("kept");
        QTest::newRow("below") << 1 << "#.3" << 3;
        QTest::newRow("above") << 20 << "#.13" << 13;
    }
    void storedDigitsAreClamped()
    {
        QFETCH(int, stored);
        QFETCH(QString, caption);
        QFETCH(int, kept);
        CConversion group = DistanceGroup();
        group.m_digits = std::uint16_t(stored);
        Store(group, kDistanceId);
        OpenChosen(kDistanceId);
        QCOMPARE(Text(160), caption);
        QCOMPARE(int(m_t->state.m_current.m_digits), kept);
    }

    void copyAndPasteGoThroughTheClipboard()
    {
        OpenDistance();
        auto* paste = Control<QPushButton>(41);
        Control(8202)->setFocus();
        QVERIFY(!paste->isEnabled());
        QCOMPARE(Control<QLineEdit>(8202)->selectedText(), QStringLiteral("0.001"));
        Click(40);
        QCOMPARE(m_t->clipboard.text, std::string("0.001"));
        QCOMPARE(Control<QLineEdit>(8202)->selectedText(), QStringLiteral("0.001")); // still shown

        m_t->clipboard.text.clear();
        Input()->setFocus();
        QVERIFY(!paste->isEnabled());
        QVERIFY(Control<QLineEdit>(8202)->selectedText().isEmpty());
        Control(8203)->setFocus();
        m_t->clipboard.text = "2.5\n";
        Input()->setFocus();
        QVERIFY(paste->isEnabled());
        Control(8001)->setFocus();
        QVERIFY(!paste->isEnabled());
        Input()->setFocus();
        Click(41);
        QCOMPARE(Input()->text(), QStringLiteral("2.5"));
        QVERIFY(Input()->hasFocus());
        QCOMPARE(Text(8201), QStringLiteral("1")); // converted only when the field is left
        QTest::keyClick(Input(), Qt::Key_Return);
        QCOMPARE(Text(8201), QStringLiteral("2.5"));

        // Ctrl+C copies the selected field; Ctrl+Shift+C the whole table.
        Control(8203)->setFocus();
        QTest::keyClick(Control(8203), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(m_t->clipboard.text, std::string("250"));
        QTest::keyClick(Control(8203), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(QString::fromStdString(m_t->clipboard.text),
                 QStringLiteral("meter\t2.5\tm\nkilometer\t0.0025\tkm\ncentimeter\t250\tcm\n"
                                "inch\t98.4252\tin\nfoot\t8.2021\tft\nyard\t2.73403\tyd"));
    }

    void factorsButtonChangesTheResults()
    {
        OpenDistance();
        m_t->dialogs.steps.push_back([](QDialog& dialog) {
            return qobject_cast<CGroupDefDlg*>(&dialog) &&
                           !static_cast<CGroupDefDlg&>(dialog).MayChangeUnits()
                       ? 0
                       : -1;
        });
        Click(712);
        QCOMPARE(m_dlg->m_factorsChanged, 0);

        // Even after a refused entry, whose value put back carries no modified mark, the results
        // follow the changed factors.
        Enter(QStringLiteral("-1"));
        ScriptFactorChange();
        Click(712);
        QCOMPARE(m_t->dialogs.runs, 2);
        QCOMPARE(m_dlg->m_factorsChanged, 1);
        QCOMPARE(Text(8202), QStringLiteral("0.002"));
        QCOMPARE(Text(8203), QStringLiteral("100"));
    }

    void savingChangedFactorsCommitsTheGroup()
    {
        OpenDistance();
        ScriptFactorChange();
        Click(712);
        Click(160);
        m_t->messages.Answer(MessageAnswer::Yes);
        Click(2);
        QVERIFY(!m_dlg->isVisible());
        QCOMPARE(m_t->messages.Last()->text,
                 std::string("You made changes to the conversion factors.  Do you wish to save them?"));
        QCOMPARE(m_t->messages.Last()->buttons, MessageButtons::YesNoCancel);
        QCOMPARE(m_t->messages.beeps.back(), MessageIcon::Question);
        QCOMPARE(m_t->busy.depth, 0);
        QVERIFY(m_t->busy.begun > 0);
        CConversion saved;
        QVERIFY(LoadFactorFile(File(kDistanceId), saved));
        QCOMPARE(saved.m_factors[2][0], 0.002);
        QCOMPARE(saved.m_factors[0][2], 500.0);
        QCOMPARE(int(saved.m_digits), 7);
        QCOMPARE(saved.m_updateDate, std::string("12/8/2026"));
        QCOMPARE(m_t->settings.ReadInt("Settings", "Dist", 0), 1);
    }

    void decliningToSaveKeepsTheStoredFactors_data()
    {
        QTest::addColumn<int>("groupId");
        QTest::addColumn<bool>("changeDigits");
        QTest::newRow("distance, same digits") << kDistanceId << false;
        QTest::newRow("distance, new digits") << kDistanceId << true;
        QTest::newRow("custom group, new digits") << kCustom1Id << true;
    }
    void decliningToSaveKeepsTheStoredFactors()
    {
        QFETCH(int, groupId);
        QFETCH(bool, changeDigits);
        Store(DistanceGroup(), groupId);
        const QByteArray before = FileBytes(groupId);
        OpenChosen(groupId);
        ScriptFactorChange();
        Click(712);
        if (changeDigits)
            Click(161);
        m_t->messages.Answer(MessageAnswer::No);
        Click(2);
        QVERIFY(!m_dlg->isVisible());
        if (!changeDigits) {
            QCOMPARE(FileBytes(groupId), before);
            return;
        }
        CConversion saved;
        QVERIFY(LoadFactorFile(File(groupId), saved));
        QCOMPARE(saved.m_factors[2][0], 0.001);
        QCOMPARE(int(saved.m_scientific), 1);
        QCOMPARE(saved.m_updateDate, std::string("Unknown"));
    }

    void cancellingTheQuestionKeepsTheDialogOpen()
    {
        OpenDistance();
        ScriptFactorChange();
        Click(712);
        m_t->messages.Answer(MessageAnswer::Cancel);
        QTest::keyClick(m_dlg.get(), Qt::Key_Escape);
        QVERIFY(m_dlg->isVisible());
        QCOMPARE(m_dlg->m_closing, 0);
        Enter(QStringLiteral("12"));
        QCOMPARE(Text(8201), QStringLiteral("12"));
    }

    void closingFromTheFrameRunsTheCloseProcedure()
    {
        OpenDistance();
        ScriptFactorChange();
        Click(712);
        m_t->messages.Answer(MessageAnswer::Cancel);
        m_dlg->close();
        QVERIFY(m_dlg->isVisible());
        QCOMPARE(m_t->messages.shown.size(), std::size_t(1));

        Click(160);
        m_t->messages.Answer(MessageAnswer::No);
        m_dlg->close();
        QVERIFY(!m_dlg->isVisible());
        CConversion saved;
        QVERIFY(LoadFactorFile(File(kDistanceId), saved));
        QCOMPARE(int(saved.m_digits), 7);
        QCOMPARE(saved.m_factors[2][0], 0.001);
    }

    void unreadableFileIsNotReplacedOnClosing()
    {
        OpenDistance();
        Click(160);
        QVERIFY(QFile::remove(QString::fromStdString(File(kDistanceId))));
        Click(2);
        QVERIFY(!m_dlg->isVisible());
        QVERIFY(!QFile::exists(QString::fromStdString(File(kDistanceId))));
    }

    void displayChangesThatCannotBeSavedAreReported()
    {
        OpenDistance();
        Click(160);
        const QString file = QString::fromStdString(File(kDistanceId));
        QVERIFY(QFile::setPermissions(file, QFileDevice::ReadOwner));
        Click(2);
        QCOMPARE(m_t->messages.Last()->text,
                 "These factor files could not be saved:\n\n" + File(kDistanceId) +
                     " (read-only)\n\nThe folder may be read-only or the disk full. Your changes to them are "
                     "not stored.");
        QCOMPARE(m_t->messages.Last()->icon, MessageIcon::Warning);
        QCOMPARE(QFileInfo(file).permissions() & QFileDevice::WriteOwner, QFileDevice::Permissions());
    }

    void moneyTitleShowsTheUpdateDate()
    {
        CConversion group = DistanceGroup();
        group.m_name.clear();
        group.m_updateDate = "6/13/1994";
        Store(group, kMoneyId);
        OpenChosen(kMoneyId);
        QCOMPARE(m_dlg->windowTitle(), QStringLiteral("Money Conversions - Updated (6/13/1994)"));
        QCOMPARE(Text(211), QStringLiteral("Initial money in:"));
    }

    void groupWithoutUnitsIsRefused()
    {
        // No file of fewer than two units loads any more; the record can still hold none.
        CConversion group = DistanceGroup();
        group.m_unitCount = 0;
        m_t->state.m_current = group;
        m_dlg = std::make_unique<CConversionDlg>(m_t->state, kDistanceId, GroupFactorEditor(m_t->state));
        QCOMPARE(m_t->messages.Last()->text, std::string("Distance conversions not defined!"));
        QCOMPARE(m_t->messages.beeps, std::vector<MessageIcon>{MessageIcon::Warning});
        QCOMPARE(m_dlg->exec(), 0);
    }

    void damagedUnitOrderShowsEmptyRows()
    {
        CConversion group = DistanceGroup();
        group.m_unitOrder = {1, 0, 29, 2};
        group.m_shownCount = 20;
        Store(group, kDistanceId);
        OpenChosen(kDistanceId);
        QCOMPARE(m_dlg->objectName(), QStringLiteral("DIALOG_15"));
        QCOMPARE(Results(4), (QStringList{"1", "0", "0", "100"}));
        QCOMPARE(Text(8002), QString());
        Click(8002);
        QCOMPARE(Text(8201), QStringLiteral("0"));
    }

    void allUnitsLayoutShowsEveryUnit()
    {
        Store(CountedGroup(17), kDistanceId);
        auto& order = m_t->state.m_current.m_unitOrder;
        for (std::size_t k = 0; k < order.size(); ++k)
            order[k] = std::uint16_t(k + 1);
        m_dlg = std::make_unique<CAllUnitsDlg>(m_t->state, kDistanceId, GroupFactorEditor(m_t->state));
        Show();
        QCOMPARE(m_dlg->objectName(), QStringLiteral("DIALOG_16"));
        QCOMPARE(m_dlg->windowTitle(), QStringLiteral("Counted Conversions"));
        QCOMPARE(Control<QGroupBox>(212)->title(), QStringLiteral("Equivalent counted:"));
        auto* list = Control<QComboBox>(1001);
        QCOMPARE(list->count(), 17);
        QCOMPARE(list->itemText(16), QStringLiteral("unit17"));
        QCOMPARE(Text(8217), QStringLiteral("0.0588235"));
        QCOMPARE(Text(8117), QStringLiteral("u17"));
        QVERIFY(Control(8217)->isEnabled());
        for (int row = 17; row < 30; ++row) {
            QCOMPARE(Text(8101 + row), QString());
            QVERIFY(!Control(8201 + row)->isEnabled());
        }
        // Rows 16..30 stand in the second column.
        QVERIFY(Control(8216)->x() > Control(8201)->x());
        QCOMPARE(Control(8216)->y(), Control(8201)->y());

        list->setCurrentIndex(3);
        emit list->activated(3);
        QCOMPARE(m_dlg->m_selectedId, 8004);
        QCOMPARE(Text(8201), QStringLiteral("4"));
        QCOMPARE(Text(8204), QStringLiteral("1"));
        QCOMPARE(QString::fromStdString(m_t->clipboard.text), QString());
        QTest::keyClick(Input(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(QString::fromStdString(m_t->clipboard.text).count(u'\n'), 16);
    }

    // Tab follows the screen: input, the checked unit (one stop), results, slider, digits,
    // notation, then the buttons from left to right; arrows move within the units.
    void tabFollowsTheScreen()
    {
        OpenDistance();
        Click(8003);
        Input()->setFocus();
        QTRY_VERIFY(Input()->hasFocus());
        QList<int> reached;
        for (int stop = 0; stop < 15; ++stop) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            reached << ControlId(*QApplication::focusWidget());
        }
        // Paste is disabled once the focus leaves the input field.
        QCOMPARE(reached, (QList<int>{8003, 8201, 8202, 8203, 8204, 8205, 8206, 111, 160, 161, 2, 40, 712,
                                      710, kInput}));
        Control(8201)->setFocus();
        QTest::keyClick(Control(8201), Qt::Key_Backtab);
        QCOMPARE(ControlId(*QApplication::focusWidget()), 8003);
        QTest::keyClick(Control(8003), Qt::Key_Down);
        QCOMPARE(ControlId(*QApplication::focusWidget()), 8004);
        QCOMPARE(m_dlg->m_selectedId, 8004);
        QTest::keyClick(Control(8004), Qt::Key_Tab);
        QCOMPARE(ControlId(*QApplication::focusWidget()), 8201);
    }

    // Names and symbols from a file are shown as written: no markup, and an "&" is an "&".
    void namesFromFilesAreShownAsWritten()
    {
        CConversion group = CountedGroup(3);
        group.m_name = "Rock & <b>Roll</b>";
        group.m_showAll = 0;
        group.m_units[0] = "<i>gallon</i>,<b>gal</b>";
        group.m_units[1] = "quart & pint,qt&pt";
        Store(group, kCustom1Id);
        OpenChosen(kCustom1Id);
        QCOMPARE(m_dlg->windowTitle(), QStringLiteral("Rock & <b>Roll</b> Conversions"));
        CheckShown(210, QStringLiteral("Initial Rock & <b>Roll</b>:"));
        QCOMPARE(QKeySequence::mnemonic(Text(210)), QKeySequence(Qt::ALT | Qt::Key_I));
        CheckShown(211, QStringLiteral("Initial rock & <b>roll</b> in:"));
        CheckShown(212, QStringLiteral("Equivalent rock & <b>roll</b>:"));
        CheckShown(8101, QStringLiteral("<b>gal</b>"));
        CheckShown(8102, QStringLiteral("qt&pt"));
        QCOMPARE(Shown(Text(8001)), QStringLiteral("<i>gallon</i>"));
        QCOMPARE(Shown(Text(8002)), QStringLiteral("quart & pint"));
        QCOMPARE(Input()->accessibleName(), QStringLiteral("Initial Rock & <b>Roll</b>"));

        m_dlg.reset();
        group.m_showAll = 1;
        Store(group, kCustom1Id);
        m_dlg = std::make_unique<CAllUnitsDlg>(m_t->state, kCustom1Id, GroupFactorEditor(m_t->state));
        Show();
        CheckShown(211, QStringLiteral("Initial rock & <b>roll</b> in:"));
        QCOMPARE(Shown(Control<QGroupBox>(212)->title()), QStringLiteral("Equivalent rock & <b>roll</b>:"));
        QCOMPARE(Control<QComboBox>(1001)->itemText(1), QStringLiteral("quart & pint"));
    }

    // Symbols alone can look alike; every row's label names its unit in full.
    void rowLabelsNameTheirUnits()
    {
        CConversion group = CountedGroup(30);
        group.m_units[0] = "US gallon,gal";
        group.m_units[1] = "<b>imperial</b> gallon,gal";
        Store(group, kDistanceId);
        m_dlg = std::make_unique<CAllUnitsDlg>(m_t->state, kDistanceId, GroupFactorEditor(m_t->state));
        Show();
        QTextDocument tip;
        tip.setHtml(Control(8102)->toolTip());
        QCOMPARE(tip.toPlainText(), QStringLiteral("<b>imperial</b> gallon"));
        QCOMPARE(Control(8101)->accessibleName(), QStringLiteral("US gallon"));
        for (int row = 2; row < 30; ++row) {
            const QString name = QStringLiteral("unit%1").arg(row + 1);
            QCOMPARE(Control(8101 + row)->accessibleName(), name);
            tip.setHtml(Control(8101 + row)->toolTip());
            QCOMPARE(tip.toPlainText(), name);
        }
    }

    // Under a dark palette the buttons and the slider's end marks are drawn in its colours,
    // not as light patches.
    void darkPaletteReachesButtonsAndSliderEnds()
    {
        Store(DistanceGroup(), kDistanceId);
        m_dlg = std::make_unique<CConversionDlg>(m_t->state, kDistanceId, GroupFactorEditor(m_t->state));
        QPalette dark;
        dark.setColor(QPalette::Window, QColor(0x30, 0x30, 0x30));
        dark.setColor(QPalette::WindowText, QColor(0xe0, 0xe0, 0xe0));
        dark.setColor(QPalette::Button, QColor(0x40, 0x40, 0x40));
        dark.setColor(QPalette::ButtonText, QColor(0xf0, 0xf0, 0xf0));
        m_dlg->setPalette(dark);
        Show();
        const auto isDark = [](QColor colour) { return colour.lightness() < 0x80; };
        for (int id : {2, 40, 41, 712, 710}) {
            const QImage button = Control(id)->grab().toImage();
            const QPoint face(button.width() / 8, button.height() / 2);
            QVERIFY2(isDark(button.pixelColor(face)), qPrintable(QString::number(id)));
        }
        Control(40)->setFocus();
        QTRY_VERIFY(Control(40)->hasFocus());
        QCOMPARE(Control(40)->grab().toImage().pixelColor(0, 0), dark.color(QPalette::ButtonText));
        for (int id : {200, 201}) {
            const QImage end = Control(id)->grab().toImage();
            int light = 0;
            for (int y = 0; y < end.height(); ++y)
                for (int x = 0; x < end.width(); ++x)
                    light += isDark(end.pixelColor(x, y)) ? 0 : 1;
            QVERIFY2(isDark(end.pixelColor(0, 0)), qPrintable(QString::number(id)));
            QVERIFY2(light > 0, qPrintable(QString::number(id))); // the arrow, in the light text colour
        }
    }

    void helpButtonAndContextHelp()
    {
        OpenDistance();
        Click(710);
        QTest::keyClick(Control(8203), Qt::Key_F1);
        Control(161)->setFocus();
        QTest::keyClick(Control(161), Qt::Key_F1);
        QCOMPARE(m_t->help.topics, (std::vector<int>{1210, 17003, 17008}));
    }
};

int main(int argc, char** argv)
{
    kalvex::testing::IsolateUserFolders();
    QApplication app(argc, argv);
    ConversionDlgTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "conversion_dlg_test.moc"
