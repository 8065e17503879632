#include "tests/ui/conversion/conversion_dlg_fixture.h"
#include "tests/ui/support/isolated_environment.h"

using namespace kalvex;
using namespace kalvex::testing;

namespace {

// Where a button shows dark lettering, inside its frame and edge.
QRect InkBounds(const QImage& button)
{
    constexpr int kEdge = 3;
    QRect ink;
    for (int y = kEdge; y < button.height() - kEdge; ++y)
        for (int x = kEdge; x < button.width() - kEdge; ++x)
            if (button.pixelColor(x, y).lightness() < 128)
                ink |= QRect(x, y, 1, 1);
    return ink;
}

} // namespace

// What the window shows: titles, rows, names from files, tab order, colours and help.
class ConversionLayoutTest : public QObject, private ConversionDlgFixture {
    Q_OBJECT

private slots:
    void init() { Start(); }
    void cleanup() { Finish(); }

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
        m_t->current.Record() = group;
        m_dlg = std::make_unique<CConversionDlg>(m_t->state, m_t->current, kDistanceId,
                                                 GroupFactorEditor(m_t->state, m_t->current));
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
        OpenAllUnits(CountedGroup(17), kDistanceId);
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

    // Tab follows the screen: input, the chosen unit and the results (one stop each), slider,
    // digits, notation, then the buttons from left to right; Shift+Tab goes back the same way.
    // Within the results Up and Down move a row, Home and End go to the first and last shown
    // row; the row reached is selected for Ctrl+C, speaks its name and value, and is where Tab
    // comes back to.
    void keyboardWalksTheWindow_data()
    {
        QTest::addColumn<bool>("allUnits");
        QTest::addColumn<int>("unitStop");
        QTest::addColumn<int>("nextUnit");
        QTest::addColumn<int>("lastRow");
        QTest::newRow("chosen units") << false << 8003 << 8004 << 8206;
        QTest::newRow("all units, rows below the units disabled") << true << 1001 << 8002 << 8217;
    }
    void keyboardWalksTheWindow()
    {
        QFETCH(bool, allUnits);
        QFETCH(int, unitStop);
        QFETCH(int, nextUnit);
        QFETCH(int, lastRow);
        if (allUnits) {
            OpenAllUnits(CountedGroup(17), kDistanceId);
        } else {
            OpenDistance();
            Click(8003);
        }
        Input()->setFocus();
        QTRY_VERIFY(Input()->hasFocus());
        const QList<int> stops = {kInput, unitStop, kFirstResult, 111, 160, 161, 2, 40, 712, 710};
        const auto reached = [&stops](Qt::Key key) {
            QList<int> ids;
            for (qsizetype i = 0; i < stops.size(); ++i) {
                Press(key);
                ids << FocusId();
            }
            return ids;
        };
        QCOMPARE(reached(Qt::Key_Tab), stops.mid(1) << kInput);
        QCOMPARE(reached(Qt::Key_Backtab), QList<int>(stops.rbegin(), stops.rend()));

        const auto walk = [this](Qt::Key key, int expected) {
            Press(key);
            QCOMPARE(FocusId(), expected);
            auto* row = Control<QLineEdit>(expected);
            QCOMPARE(row->selectedText(), row->text());
            QVERIFY(row->accessibleName().endsWith(QStringLiteral(": ") + row->text()));
        };
        Press(Qt::Key_Tab);
        walk(Qt::Key_Tab, kFirstResult);
        walk(Qt::Key_Down, kFirstResult + 1);
        Press(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QString::fromStdString(m_t->clipboard.text), Text(kFirstResult + 1));
        QVERIFY(!Control<QPushButton>(41)->isEnabled());
        walk(Qt::Key_End, lastRow);
        QVERIFY(Control<QLineEdit>(kFirstResult + 1)->selectedText().isEmpty());
        walk(Qt::Key_Down, lastRow);
        walk(Qt::Key_Up, lastRow - 1);
        Press(Qt::Key_Tab);
        QCOMPARE(FocusId(), 111);
        walk(Qt::Key_Backtab, lastRow - 1);
        walk(Qt::Key_Home, kFirstResult);
        walk(Qt::Key_Up, kFirstResult);

        // Arrows on the unit stop choose the next unit.
        Press(Qt::Key_Backtab);
        QCOMPARE(FocusId(), unitStop);
        Press(Qt::Key_Down);
        QCOMPARE(m_dlg->m_selectedId, nextUnit);
        Press(Qt::Key_Tab);
        QCOMPARE(FocusId(), kFirstResult);
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
        m_dlg = std::make_unique<CAllUnitsDlg>(m_t->state, m_t->current, kCustom1Id,
                                               GroupFactorEditor(m_t->state, m_t->current));
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
        m_dlg = std::make_unique<CAllUnitsDlg>(m_t->state, m_t->current, kDistanceId,
                                               GroupFactorEditor(m_t->state, m_t->current));
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
        m_dlg = std::make_unique<CConversionDlg>(m_t->state, m_t->current, kDistanceId,
                                                 GroupFactorEditor(m_t->state, m_t->current));
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

    // The buttons' captions are their text in the window's font, whatever its size; the
    // buttons grow to hold them.
    void buttonCaptionsUseTheWindowFont()
    {
        Store(DistanceGroup(), kDistanceId);
        m_t->clipboard.text = "2"; // Paste enabled, its caption drawn like the others
        m_dlg = std::make_unique<CConversionDlg>(m_t->state, m_t->current, kDistanceId,
                                                 GroupFactorEditor(m_t->state, m_t->current));
        QFont large = m_dlg->font();
        large.setPixelSize(24);
        m_dlg->setFont(large);
        Show();
        for (int id : {2, 40, 41, 712, 710}) {
            auto* button = Control<QPushButton>(id);
            const QSize caption = QFontMetrics(large).tightBoundingRect(button->text()).size();
            const QSize ink = InkBounds(button->grab().toImage()).size();
            QVERIFY2(std::abs(ink.height() - caption.height()) <= 2 &&
                         std::abs(ink.width() - caption.width()) <= 2,
                     qPrintable(button->text()));
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
    ConversionLayoutTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "conversion_layout_test.moc"
