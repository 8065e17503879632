#include "tests/ui/conversion/conversion_dlg_fixture.h"
#include "tests/ui/support/unnamed_controls.h"
#include "ui/conversion/temperature_dlg.h"

#include <QAccessible>
#include <QSignalSpy>

using namespace kalvex;
using namespace kalvex::testing;

namespace {

constexpr int kSlider = 111;
constexpr int kCelsiusRadio = 8403;
constexpr int kCentimeterRadio = 8003;

QAccessibleInterface* Accessible(QWidget* widget)
{
    return QAccessible::queryAccessibleInterface(widget);
}

} // namespace

// What a screen reader finds in the conversion windows: names, the slider's value and the
// results after each conversion.
class ConversionAccessibilityTest : public QObject, public ConversionDlgFixture {
    Q_OBJECT

private:
    std::unique_ptr<CTemperatureDlg> m_temperature;

    CValueDlgBase& Window() const
    {
        return m_temperature ? static_cast<CValueDlgBase&>(*m_temperature) : *m_dlg;
    }
    QWidget* Find(int id) const { return FindControl(Window(), id); }
    QString Shown(int id) const { return FindControl<QLineEdit>(Window(), id)->text(); }
    void Open(const QString& window)
    {
        if (window == QLatin1String("distance"))
            return OpenDistance();
        if (window == QLatin1String("all units"))
            return OpenAllUnits(DistanceGroup(), kDistanceId);
        m_temperature = std::make_unique<CTemperatureDlg>(m_t->state);
        m_temperature->show();
        QApplication::setActiveWindow(m_temperature.get());
        QVERIFY(QTest::qWaitForWindowActive(m_temperature.get()));
    }
    void EnterValue(const QString& text)
    {
        auto* input = FindControl<QLineEdit>(Window(), kInput);
        input->setFocus();
        input->selectAll();
        QTest::keyClicks(input, text);
        QTest::keyClick(input, Qt::Key_Return);
    }

private slots:
    void init() { Start(); }
    void cleanup()
    {
        m_temperature.reset();
        Finish();
    }

    void everyControlIsNamed_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("inputName");
        QTest::newRow("temperature") << "temperature"
                                     << "Initial Temperature";
        QTest::newRow("chosen units") << "distance"
                                      << "Initial Distance";
        QTest::newRow("all units") << "all units"
                                   << "Initial Distance";
    }
    void everyControlIsNamed()
    {
        QFETCH(QString, window);
        QFETCH(QString, inputName);
        Open(window);
        QCOMPARE(UnnamedControls(Window()), QStringList());
        QAccessibleInterface* input = Accessible(Find(kInput));
        QCOMPARE(input->text(QAccessible::Name), inputName);
        // The caption before the field is tied to it.
        const auto labels = input->relations(QAccessible::Label);
        QVERIFY(!labels.isEmpty());
        QVERIFY(labels.first().first->text(QAccessible::Name).startsWith(inputName.section(u' ', 0, 0)));
    }

    void sliderReadsTheValueInTheInitialUnit_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("radio");
        QTest::addColumn<int>("key");
        QTest::addColumn<double>("requested"); // set by an assistive tool, 0 for none
        QTest::addColumn<int>("initialRow");
        QTest::addColumn<QString>("expected");
        QTest::newRow("opened at zero") << "temperature"
                                        << "" << 0 << 0 << 0.0 << 112 << "0 fahrenheit";
        QTest::newRow("typed") << "temperature"
                               << "250" << 0 << 0 << 0.0 << 112 << "250 fahrenheit";
        QTest::newRow("arrow key") << "temperature"
                                   << "250" << 0 << int(Qt::Key_Right) << 0.0 << 112 << "251 fahrenheit";
        QTest::newRow("other scale") << "temperature"
                                     << "250" << kCelsiusRadio << 0 << 0.0 << 113 << "250 celsius";
        QTest::newRow("set by a tool") << "temperature"
                                       << "250" << 0 << 0 << 40.0 << 112 << "40 fahrenheit";
        QTest::newRow("group") << "distance"
                               << "12" << 0 << int(Qt::Key_PageUp) << 0.0 << 8201 << "22 meter";
        QTest::newRow("group's other unit")
            << "distance"
            << "12" << kCentimeterRadio << 0 << 0.0 << 8203 << "12 centimeter";
    }
    void sliderReadsTheValueInTheInitialUnit()
    {
        QFETCH(QString, window);
        QFETCH(QString, typed);
        QFETCH(int, radio);
        QFETCH(int, key);
        QFETCH(double, requested);
        QFETCH(int, initialRow);
        QFETCH(QString, expected);
        Open(window);
        if (!typed.isEmpty())
            EnterValue(typed);
        if (radio != 0)
            QTest::mouseClick(Find(radio), Qt::LeftButton, {}, QPoint(8, Find(radio)->height() / 2));
        QAccessibleInterface* slider = Accessible(Find(kSlider));
        if (key != 0) {
            Find(kSlider)->setFocus();
            QTest::keyClick(Find(kSlider), Qt::Key(key));
        }
        if (requested != 0.0)
            slider->valueInterface()->setCurrentValue(requested);
        QCOMPARE(slider->role(), QAccessible::Slider);
        QCOMPARE(slider->text(QAccessible::Value), expected);
        QCOMPARE(slider->valueInterface()->currentValue().toDouble(),
                 expected.section(u' ', 0, 0).toDouble());
        // The value read is the one the initial unit's row shows.
        QCOMPARE(Shown(initialRow), expected.section(u' ', 0, 0));
    }

    void newResultsAreAnnouncedOnce()
    {
        Open(QStringLiteral("distance"));
        QSignalSpy announced(&Window(), &CValueDlgBase::resultsAnnounced);
        QAccessibleInterface* input = Accessible(Find(kInput));
        EnterValue(QStringLiteral("12"));
        QCOMPARE(announced.count(), 1);
        QCOMPARE(input->text(QAccessible::Description),
                 QStringLiteral("12 meter is %1 kilometer, %2 centimeter").arg(Shown(8202), Shown(8203)));
        EnterValue(QStringLiteral("12"));
        QCOMPARE(announced.count(), 1);
        // The initial unit's own row is not repeated among the results.
        Click(8002);
        QCOMPARE(announced.count(), 2);
        QCOMPARE(announced.last().first().toString(),
                 QStringLiteral("12 kilometer is %1 meter, %2 centimeter").arg(Shown(8201), Shown(8203)));
        QCOMPARE(input->text(QAccessible::Description), announced.last().first().toString());
    }

    void resultsKeyMovesBetweenInputAndRows()
    {
        Open(QStringLiteral("distance"));
        Type(QStringLiteral("3"));
        Press(Qt::Key_F6);
        QCOMPARE(FocusId(), kFirstResult);
        QCOMPARE(Shown(kFirstResult), QStringLiteral("3")); // the typed value was converted on the way
        Press(Qt::Key_Down);
        Press(Qt::Key_F6);
        QCOMPARE(FocusId(), kInput);
        Press(Qt::Key_F6);
        QCOMPARE(FocusId(), kFirstResult + 1);
    }
};

QTEST_MAIN(ConversionAccessibilityTest)
#include "conversion_accessibility_test.moc"
