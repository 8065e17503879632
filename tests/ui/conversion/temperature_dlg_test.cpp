#include "tests/ui/support/isolated_environment.h"
#include "tests/ui/support/modal_watchdog.h"
#include "tests/ui/support/test_app.h"
#include "ui/controls/control_id.h"
#include "ui/conversion/temperature_dlg.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>
#include <memory>

using namespace kalvex;
using namespace kalvex::testing;

namespace {

constexpr int kFahrenheit = 8401, kRankine = 8402, kCelsius = 8403, kKelvin = 8404;

} // namespace

class TemperatureDlgTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestApp> m_t;
    std::unique_ptr<ModalWatchdog> m_watchdog;
    std::unique_ptr<CTemperatureDlg> m_dlg;

    void Open()
    {
        m_dlg = std::make_unique<CTemperatureDlg>(m_t->state);
        m_dlg->show();
        QApplication::setActiveWindow(m_dlg.get());
        QVERIFY(QTest::qWaitForWindowActive(m_dlg.get()));
    }
    template <class T = QWidget> T* Control(int id) const { return FindControl<T>(*m_dlg, id); }
    QLineEdit* Input() const { return Control<QLineEdit>(306); }
    QString Text(int id) const { return Control<QLineEdit>(id)->text(); }
    // Fahrenheit, rankine, celsius and kelvin as shown.
    QStringList Results() const { return {Text(112), Text(114), Text(113), Text(115)}; }
    void Enter(const QString& text)
    {
        Input()->setFocus();
        Input()->selectAll();
        QTest::keyClick(Input(), Qt::Key_Delete);
        QTest::keyClicks(Input(), text);
        QTest::keyClick(Input(), Qt::Key_Return);
    }
    // Clicks near the left edge, where a radio button's indicator is whatever its row's width.
    void Click(int id)
    {
        QWidget* button = Control<QAbstractButton>(id);
        QTest::mouseClick(button, Qt::LeftButton, {},
                          QPoint(std::min(8, button->width() / 2), button->height() / 2));
    }
    std::string LastMessage() const
    {
        return m_t->messages.Last() ? m_t->messages.Last()->text : std::string();
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
        m_watchdog.reset();
        m_t.reset();
    }

    void opensAtZeroFahrenheit()
    {
        m_t->state.m_tempDigits = 6;
        Open();
        QCOMPARE(m_dlg->windowTitle(), QStringLiteral("Temperature Conversions"));
        QCOMPARE(Input()->text(), QStringLiteral("0"));
        QCOMPARE(Results(), (QStringList{"0", "459.67", "-17.7778", "255.372"}));
        QVERIFY(Control<QRadioButton>(kFahrenheit)->isChecked());
        QCOMPARE(Control<QScrollBar>(111)->value(), 449);
        QCOMPARE(Control<QAbstractButton>(160)->text(), QStringLiteral("#.6"));
        QCOMPARE(Control(112)->accessibleName(), QStringLiteral("fahrenheit: 0"));
        QCOMPARE(Control(115)->accessibleName(), QStringLiteral("kelvin: 255.372"));
    }

    void valueBelowAbsoluteZeroIsRefused()
    {
        Open();
        Enter(QStringLiteral("-500"));
        QCOMPARE(LastMessage(), std::string("Temperature cannot be lower than absolute zero."));
        QCOMPARE(m_t->messages.Last()->icon, MessageIcon::Warning);
        QCOMPARE(m_t->messages.beeps, std::vector<MessageIcon>{MessageIcon::Warning});
        QCOMPARE(Input()->text(), QStringLiteral("0."));
        QCOMPARE(Text(112), QStringLiteral("0"));
        Enter(QStringLiteral("-459.67"));
        QCOMPARE(m_t->messages.shown.size(), std::size_t(1));
        QCOMPARE(Text(114), QStringLiteral("0"));
    }

    void scaleChangeLiftsTheValueToAbsoluteZero()
    {
        Open();
        Enter(QStringLiteral("-40"));
        QCOMPARE(Text(113), QStringLiteral("-40"));
        Click(kKelvin);
        QCOMPARE(LastMessage(), std::string("Temperature cannot be lower than absolute zero."));
        QCOMPARE(Input()->text(), QStringLiteral("0."));
        QCOMPARE(Results(), (QStringList{"-459.67", "0", "-273.15", "0"}));
        QCOMPARE(m_dlg->m_sliderMin, 0.0);
        QCOMPARE(m_dlg->m_sliderMax, 20000.0);
        QCOMPARE(m_dlg->SelectedFieldId(), 0);
    }

    void scaleChangeReadsTheSameNumberInTheNewScale()
    {
        Open();
        Click(kCelsius);
        QCOMPARE(Results(), (QStringList{"32", "491.67", "0", "273.15"}));
        Enter(QStringLiteral("100"));
        QCOMPARE(Results(), (QStringList{"212", "671.67", "100", "373.15"}));
        Click(kFahrenheit);
        QCOMPARE(m_t->messages.shown.size(), std::size_t(0));
        QCOMPARE(Input()->text(), QStringLiteral("100"));
        QCOMPARE(Results(), (QStringList{"100", "559.67", "37.7778", "310.928"}));
        QCOMPARE(m_dlg->m_sliderMax, 20000.0 - 459.67);
        // Choosing the chosen scale again changes nothing.
        Control<QLineEdit>(112)->setText(QStringLiteral("untouched"));
        Click(kFahrenheit);
        QCOMPARE(Text(112), QStringLiteral("untouched"));
    }

    void digitsAndNotationAreTheApplicationSettings()
    {
        m_t->state.m_tempDigits = 13;
        Open();
        Click(160);
        QCOMPARE(Control<QAbstractButton>(160)->text(), QStringLiteral("#.3"));
        QCOMPARE(m_t->state.m_tempDigits, 3);
        QCOMPARE(Results(), (QStringList{"0", "460", "-17.8", "255"}));
        Click(161);
        QCOMPARE(m_t->state.m_tempScientific, 1);
        QCOMPARE(Text(114), QStringLiteral("4.597e+002"));
        Click(2);
        QVERIFY(!m_dlg->isVisible());
        QCOMPARE(m_dlg->m_closing, 1);
        QCOMPARE(m_t->state.m_tempScientific, 1);
    }

    void storedDigitsAreClamped()
    {
        m_t->state.m_tempDigits = 40;
        Open();
        QCOMPARE(m_t->state.m_tempDigits, 13);
        QCOMPARE(Control<QAbstractButton>(160)->text(), QStringLiteral("#.13"));
    }

    // Tab reaches the chosen scale and the results once each; Down walks the results in screen
    // order. Right on the slider raises the temperature.
    void keyboardFollowsTheScreen()
    {
        Open();
        Click(8403);
        Input()->setFocus();
        QTRY_VERIFY(Input()->hasFocus());
        QList<int> reached;
        for (int stop = 0; stop < 3; ++stop) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            reached << ControlId(*QApplication::focusWidget());
        }
        QCOMPARE(reached, (QList<int>{8403, 112, 111}));
        QTest::keyClick(Control(111), Qt::Key_Backtab);
        for (int row : {114, 113, 115}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
            QCOMPARE(ControlId(*QApplication::focusWidget()), row);
        }
        QTest::keyClick(Control(115), Qt::Key_Tab);
        QTest::keyClick(Control(111), Qt::Key_Right);
        QCOMPARE(Text(113), QStringLiteral("1"));
    }

    void sliderStepsInTheChosenScale()
    {
        Open();
        auto* slider = Control<QScrollBar>(111);
        slider->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(Text(112), QStringLiteral("10"));
        QCOMPARE(slider->value(), 459);
        slider->triggerAction(QAbstractSlider::SliderToMinimum);
        QCOMPARE(Text(114), QStringLiteral("0"));
        QCOMPARE(slider->value(), 0);
    }

    void wholeTableGoesToTheClipboard()
    {
        Open();
        QTest::keyClick(Input(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(QString::fromStdString(m_t->clipboard.text),
                 QStringLiteral(
                     "fahrenheit\t0\t°F\nrankine\t459.67\t°R\ncelsius\t-17.7778\t°C\nkelvin\t255.372\tK"));
        m_t->clipboard.text = "37";
        Control(113)->setFocus();
        QVERIFY(!Control<QPushButton>(41)->isEnabled());
        Input()->setFocus();
        QVERIFY(Control<QPushButton>(41)->isEnabled());
        Click(41);
        QTest::keyClick(Input(), Qt::Key_Return);
        QCOMPARE(Text(112), QStringLiteral("37"));
    }
};

int main(int argc, char** argv)
{
    kalvex::testing::IsolateUserFolders();
    QApplication app(argc, argv);
    TemperatureDlgTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "temperature_dlg_test.moc"
