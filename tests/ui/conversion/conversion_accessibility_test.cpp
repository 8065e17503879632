#include "tests/ui/conversion/conversion_dlg_fixture.h"
#include "ui/conversion/temperature_dlg.h"

using namespace kalvex;
using namespace kalvex::testing;

// What a screen reader hears in the conversion windows: the slider's value and the new results.
class ConversionAccessibilityTest : public QObject, public ConversionDlgFixture {
    Q_OBJECT

    std::unique_ptr<CTemperatureDlg> m_temperature;

    static QAccessibleInterface* Accessible(QWidget* widget)
    {
        return QAccessible::queryAccessibleInterface(widget);
    }

private slots:
    void init() { Start(); }
    void cleanup()
    {
        m_temperature.reset();
        Finish();
    }

    // 250 is typed; then another initial unit is chosen, a key pressed on the slider or the
    // slider set by an assistive tool.
    void sliderReadsTheValueInTheInitialUnit_data()
    {
        QTest::addColumn<bool>("temperature");
        QTest::addColumn<int>("radio"); // 0 keeps the first unit
        QTest::addColumn<int>("key");
        QTest::addColumn<double>("requested");
        QTest::addColumn<int>("initialRow");
        QTest::addColumn<QString>("expected");
        QTest::newRow("typed") << true << 0 << 0 << 0.0 << 112 << "250 fahrenheit";
        QTest::newRow("arrow key") << true << 0 << int(Qt::Key_Right) << 0.0 << 112 << "251 fahrenheit";
        QTest::newRow("other scale") << true << 8403 << 0 << 0.0 << 113 << "250 celsius";
        QTest::newRow("set by a tool") << true << 0 << 0 << 40.0 << 112 << "40 fahrenheit";
        QTest::newRow("group") << false << 8003 << int(Qt::Key_PageUp) << 0.0 << 8203 << "260 centimeter";
    }
    void sliderReadsTheValueInTheInitialUnit()
    {
        QFETCH(bool, temperature);
        QFETCH(int, radio);
        QFETCH(int, key);
        QFETCH(double, requested);
        QFETCH(int, initialRow);
        QFETCH(QString, expected);
        if (temperature) {
            m_temperature = std::make_unique<CTemperatureDlg>(m_t->state);
            m_temperature->show();
            QVERIFY(QTest::qWaitForWindowExposed(m_temperature.get()));
        } else {
            OpenDistance();
        }
        CValueDlgBase& window = m_temperature ? *m_temperature : static_cast<CValueDlgBase&>(*m_dlg);
        window.EnterValue(QStringLiteral("250"));
        if (radio != 0)
            QTest::mouseClick(FindControl(window, radio), Qt::LeftButton, {}, QPoint(8, 8));
        if (key != 0)
            QTest::keyClick(FindControl(window, 111), Qt::Key(key));
        QAccessibleInterface* slider = Accessible(FindControl(window, 111));
        if (requested != 0.0)
            slider->valueInterface()->setCurrentValue(requested);
        QCOMPARE(slider->role(), QAccessible::Slider);
        QCOMPARE(slider->text(QAccessible::Value), expected);
        const QString value = expected.section(u' ', 0, 0);
        QCOMPARE(slider->valueInterface()->currentValue().toDouble(), value.toDouble());
        QCOMPARE(FindControl<QLineEdit>(window, initialRow)->text(), value); // where the results are
    }

    // Type a value and press F6 to reach the results; a screen reader hears the value and the
    // first two other results through the input field's description.
    void resultsKeyReachesAnnouncedResults()
    {
        OpenDistance();
        const auto description = [this] { return Accessible(Input())->text(QAccessible::Description); };
        Type(QStringLiteral("12"));
        Press(Qt::Key_F6);
        QCOMPARE(FocusId(), kFirstResult);
        QCOMPARE(description(), QStringLiteral("12 meter is %1 kilometer, %2 centimeter")
                                    .arg(kTwelveMeters[1], kTwelveMeters[2]));
        Press(Qt::Key_Down);
        Press(Qt::Key_F6);
        QCOMPARE(FocusId(), kInput);
        Press(Qt::Key_F6);
        QCOMPARE(FocusId(), kFirstResult + 1); // the row last reached
        Click(8002);                           // the initial unit's own row is left out of the results
        QCOMPARE(description(),
                 QStringLiteral("12 kilometer is %1 meter, %2 centimeter").arg(Text(8201), Text(8203)));
    }
};

QTEST_MAIN(ConversionAccessibilityTest)
#include "conversion_accessibility_test.moc"
