#include "tests/ui/conversion/conversion_dlg_fixture.h"
#include "tests/ui/support/isolated_environment.h"

using namespace kalvex;
using namespace kalvex::testing;

// Typing a value, the slider, the display settings and the clipboard.
class ConversionDlgTest : public QObject, private ConversionDlgFixture {
    Q_OBJECT

private slots:
    void init() { Start(); }
    void cleanup() { Finish(); }

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
        QCOMPARE(m_dlg->SelectedFieldId(), kInput);
        QCOMPARE(Slider()->value(), 1);
        // The table is completed from its lower triangle when the dialog opens.
        QCOMPARE(m_t->current.Record().m_factors[0][2], 1000.0);
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
        QCOMPARE(m_dlg->SelectedFieldId(), 0);
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
        QCOMPARE(int(m_t->current.Record().m_digits), kept);
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
};

int main(int argc, char** argv)
{
    kalvex::testing::IsolateUserFolders();
    QApplication app(argc, argv);
    ConversionDlgTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "conversion_dlg_test.moc"
