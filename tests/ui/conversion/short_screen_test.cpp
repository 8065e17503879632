#include "core/group_ids.h"
#include "platform/qt/help_window.h"
#include "platform/qt/qt_help_service.h"
#include "storage/factor_file.h"
#include "tests/support/real_disk.h"
#include "tests/ui/conversion/test_groups.h"
#include "tests/ui/support/isolated_environment.h"
#include "tests/ui/support/test_app.h"
#include "ui/controls/centring.h"
#include "ui/controls/control_id.h"
#include "ui/conversion/all_units_dlg.h"
#include "ui/conversion/conversion_dlg.h"
#include "ui/conversion/temperature_dlg.h"
#include "ui/shell/factor_editor.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QScreen>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using namespace kalvex;
using namespace kalvex::testing;

namespace {

// A 1600 x 1000 screen at twice the usual scale: 800 x 500 points for the windows.
constexpr char kShortScreen[] = R"({"screens": [{"name": "short", "x": 0, "y": 0, "width": 1600,
    "height": 1000, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1.0}]})";

// True when the whole control shows inside its window, and its window inside the screen.
bool FullyShown(const QWidget& control)
{
    const QRect inWindow(control.mapTo(control.window(), QPoint()), control.size());
    return control.isVisible() && control.visibleRegion().boundingRect() == control.rect() &&
           control.window()->rect().contains(inWindow);
}

} // namespace

// Windows on a screen too short for them: each stays within the available area, and a
// conversion window scrolls its rows while the input field and the buttons stay in view.
class ShortScreenTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestApp> m_t;

    void Load(const CConversion& group, int groupId)
    {
        const std::string file = FactorFileName(m_t->state.m_factorPath, groupId);
        QVERIFY(SaveFactorFile(group, file, RealDisk()));
        QVERIFY(m_t->current.Load(kCustom1Id));
    }
    void CheckFits(QDialog& dialog, int lastResultId)
    {
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QRect area = dialog.screen()->availableGeometry();
        QVERIFY(area.contains(dialog.frameGeometry()));
        for (int id : {306, 111, 160, 2, 40, 41, 710})
            QVERIFY2(FullyShown(*FindControl(dialog, id)), qPrintable(QString::number(id)));
        QWidget* last = FindControl(dialog, lastResultId);
        auto* rows = dialog.findChild<QScrollArea*>();
        QVERIFY(rows);
        rows->ensureWidgetVisible(last);
        QVERIFY(FullyShown(*last));
    }

private slots:
    void init() { m_t = std::make_unique<TestApp>(); }
    void cleanup() { m_t.reset(); }

    void screenIsShort() { QCOMPARE(QGuiApplication::primaryScreen()->geometry().size(), QSize(800, 500)); }

    void allUnitsWindowScrollsItsRows()
    {
        Load(CountedGroup(30), kCustom1Id);
        CAllUnitsDlg dialog(m_t->state, m_t->current, kCustom1Id,
                            GroupFactorEditor(m_t->state, m_t->current));
        CheckFits(dialog, 8230);
        QVERIFY(FullyShown(*FindControl(dialog, 1001)));
    }

    void fifteenRowWindowScrollsItsRows()
    {
        CConversion group = CountedGroup(15);
        group.m_showAll = 0;
        Load(group, kCustom1Id);
        CConversionDlg dialog(m_t->state, m_t->current, kCustom1Id,
                              GroupFactorEditor(m_t->state, m_t->current));
        CheckFits(dialog, 8215);
    }

    void temperatureWindowFits()
    {
        CTemperatureDlg dialog(m_t->state);
        CheckFits(dialog, 115);
    }

    void helpWindowFits()
    {
        QtHelpService help;
        help.ShowContents();
        QVERIFY(QTest::qWaitForWindowExposed(help.Window()));
        QVERIFY(help.Window()->screen()->availableGeometry().contains(help.Window()->frameGeometry()));
    }

    void centredWindowsAreShrunkToTheScreen()
    {
        QWidget tall(nullptr, Qt::Dialog);
        tall.setMinimumSize(100, 100);
        tall.resize(300, 900);
        CentreOnDesktop(tall);
        tall.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tall));
        QVERIFY(tall.screen()->availableGeometry().contains(tall.frameGeometry()));
    }
};

int main(int argc, char** argv)
{
    IsolateUserFolders();
    QTemporaryDir folder;
    QFile config(folder.filePath(QStringLiteral("screen.json")));
    if (!config.open(QIODevice::WriteOnly) || config.write(kShortScreen) < 0)
        return 1;
    config.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toLocal8Bit());
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    ShortScreenTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "short_screen_test.moc"
