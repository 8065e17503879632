#include "platform/posix/ini_profile_reader.h"
#include "storage/factor_file.h"
#include "storage/inventory_check.h"
#include "storage/settings_profile.h"
#include "tests/support/local_http_server.h"
#include "tests/support/temp_folder.h"
#include "tests/ui/support/test_app.h"
#include "ui/controls/control_id.h"
#include "ui/conversion/exchange_rates_update.h"
#include "ui/shell/command_ids.h"
#include "ui/shell/kalvex_view.h"
#include "ui/shell/main_frame.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QProgressDialog>
#include <QStyle>
#include <QTest>
#include <QTimer>

namespace kalvex::testing {
namespace {

constexpr int kMoneyOpen = 4116;
constexpr int kFirstResult = 8201;

QByteArray RatesDocument(const char* name)
{
    QFile file(QStringLiteral(KALVEX_TEST_DATA_DIR "/rates/") + QLatin1String(name));
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

// A day's rates document holding the given rate elements.
QByteArray DayOfRates(const char* cubes)
{
    return QByteArray("<?xml version='1.0'?><e:Envelope xmlns:e='x'><Cube><Cube time='2026-12-04'>") + cubes +
           "</Cube></Cube></e:Envelope>";
}

QString ResultText(const QDialog& dialog, int row)
{
    const auto* field = FindControl<QLineEdit>(dialog, kFirstResult + row);
    return field ? field->text() : QString();
}

} // namespace

// The update as the user runs it: from the Edit menu or the Money window's right-click menu,
// through the real main frame, launcher and conversion window, against a server on 127.0.0.1.
class ExchangeRatesScenarioTest : public QObject {
    Q_OBJECT

private:
    LocalHttpServer m_server;
    std::unique_ptr<TestApp> m_app;
    std::unique_ptr<IniProfileReader> m_legacy;
    std::unique_ptr<CMainFrame> m_frame;
    std::string m_original;

    std::string MoneyFile() const { return m_app->state.m_factorPath + "Mony.fsf"; }
    CConversion SavedMoney() const
    {
        CConversion group;
        LoadFactorFile(MoneyFile(), group);
        return group;
    }
    void UseRates(const QString& path)
    {
        WriteSetting(m_app->settings, profile::kRatesUrl, m_server.Url(path).toStdString());
    }
    void Run(int commandId) { m_frame->CommandAction(commandId)->trigger(); }
    const MessageRequest& LastMessage() const { return *m_app->messages.Last(); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_server.IsListening());
        m_server.Serve("/daily.xml", {200, RatesDocument("normal_day.xml")});
        m_server.Serve("/missing-usd.xml", {200, RatesDocument("missing_usd.xml")});
        m_server.Serve("/malformed.xml", {200, RatesDocument("malformed.xml")});
        m_server.Serve("/negative.xml", {200, RatesDocument("negative_rate.xml")});
        m_server.Serve("/slow.xml", {200, {}, true});
        m_server.Serve(
            "/tiny-pound.xml",
            {200, DayOfRates("<Cube currency='USD' rate='1.0523'/><Cube currency='GBP' rate='4.9e-324'/>")});
        m_server.Serve(
            "/far-apart.xml",
            {200, DayOfRates("<Cube currency='USD' rate='1e-300'/><Cube currency='GBP' rate='1e300'/>")});
    }

    void init()
    {
        m_app = std::make_unique<TestApp>();
        m_legacy =
            std::make_unique<IniProfileReader>(std::filesystem::path(m_app->folder.path().toStdString()));
        m_app->state.services.legacy = m_legacy.get();
        NullProgressSink progress;
        CheckGroupInventory(m_app->state, progress);
        m_frame = std::make_unique<CMainFrame>(m_app->state);
        auto* view = new CKalvexView(m_app->state, m_app->current, *m_frame);
        m_frame->SetView(view, view);
        m_original = ReadBytes(MoneyFile());
        QVERIFY(!m_original.empty());
    }

    void cleanup()
    {
        QCOMPARE(m_app->messages.unexpected, 0);
        QCOMPARE(m_app->dialogs.unexpected, 0);
        m_frame.reset();
    }

    void editMenuUpdateShowsInTheMoneyWindow()
    {
        UseRates("/daily.xml");
        QCOMPARE(m_frame->PromptFor(command::kUpdateRates),
                 QStringLiteral("Download today's exchange rates into the Money group"));
        Run(command::kUpdateRates);
        QCOMPARE(LastMessage().icon, MessageIcon::Information);
        QVERIFY(QString::fromStdString(LastMessage().text).contains("12/4/2026"));

        const CConversion saved = SavedMoney();
        // Each currency the group lacked is named as it was added.
        QVERIFY(saved.m_unitCount > 11);
        const std::string& added = saved.m_units[11];
        QVERIFY(LastMessage().text.find(UnitName(added) + " (" + UnitSymbol(added) + ")") !=
                std::string::npos);
        QCOMPARE(saved.m_updateDate, std::string("12/4/2026"));
        QCOMPARE(saved.m_units[10], std::string("euro,€"));
        QCOMPARE(saved.m_factors[2][0], 0.83245 / 1.0523);

        QString title;
        QStringList rows;
        m_app->dialogs.steps.push_back([&](QDialog& dialog) {
            title = dialog.windowTitle();
            for (int row : {1, 2, 3, 10})
                rows << ResultText(dialog, row);
            return 0;
        });
        Run(kMoneyOpen);
        QCOMPARE(title, QStringLiteral("Money Conversions - Updated (12/4/2026)"));
        // One dollar in marks (1.95583 / 1.0523), pounds, yen and euros, to the six digits shown.
        QCOMPARE(rows, QStringList({"1.85862", "0.791077", "149.653", "0.950299"}));
    }

    void failuresLeaveTheGroupAsItWas_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("named");
        QTest::newRow("missing USD") << "/missing-usd.xml"
                                     << "no rate for USD";
        QTest::newRow("malformed") << "/malformed.xml"
                                   << "not well-formed XML";
        QTest::newRow("negative") << "/negative.xml"
                                  << "rate of GBP \"-0.83245\"";
        QTest::newRow("not found") << "/gone.xml"
                                   << "HTTP 404";
        // Each rate is a positive number; the pairs they give are not all ones a double holds.
        QTest::newRow("tiny pound") << "/tiny-pound.xml"
                                    << "too large or too small to store";
        QTest::newRow("far apart") << "/far-apart.xml"
                                   << "too large or too small to store";
    }

    void failuresLeaveTheGroupAsItWas()
    {
        QFETCH(QString, path);
        QFETCH(QString, named);
        UseRates(path);
        Run(command::kUpdateRates);
        QCOMPARE(LastMessage().icon, MessageIcon::Warning);
        const QString text = QString::fromStdString(LastMessage().text);
        QVERIFY2(text.contains(named) && text.contains(m_server.Url(path)), qPrintable(text));
        QVERIFY(ReadBytes(MoneyFile()) == m_original);
    }

    void aSlowServerTimesOut()
    {
        UseRates("/slow.xml");
        QVERIFY(!UpdateExchangeRates(m_app->state, m_app->current.Record(), m_frame.get(), 200));
        QVERIFY(QString::fromStdString(LastMessage().text)
                    .contains("the server did not finish answering within the time limit of 0.2 seconds"));
        QVERIFY(ReadBytes(MoneyFile()) == m_original);
    }

    // The window is wide enough for a window manager to show its whole title, in bold, beside
    // four title bar buttons.
    void cancelInTheProgressWindowChangesNothing()
    {
        UseRates("/slow.xml");
        int width = 0;
        int titleBar = 0;
        QTimer::singleShot(100, this, [&] {
            auto* progress = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget());
            if (!progress)
                return;
            QFont bold = QApplication::font("QMdiSubWindowTitleBar");
            bold.setBold(true);
            width = progress->width();
            titleBar = QFontMetrics(bold).horizontalAdvance(progress->windowTitle()) +
                       4 * progress->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, progress);
            progress->cancel();
        });
        QVERIFY(!UpdateExchangeRates(m_app->state, m_app->current.Record(), m_frame.get(), 10000));
        QVERIFY2(width >= titleBar, qPrintable(QStringLiteral("%1 < %2").arg(width).arg(titleBar)));
        QVERIFY(m_app->messages.shown.empty());
        QVERIFY(ReadBytes(MoneyFile()) == m_original);
    }

    // Cancel pressed as the last byte arrives: the document is in, the group not yet written.
    void cancelAfterTheDownloadChangesNothing()
    {
        UseRates("/daily.xml");
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, this, [&watch] {
            auto* progress = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget());
            auto* bar = progress ? progress->findChild<QProgressBar*>() : nullptr;
            if (!bar)
                return;
            watch.stop();
            QObject::connect(bar, &QProgressBar::valueChanged, progress, [progress, bar](int value) {
                if (value > 0 && value == bar->maximum())
                    progress->cancel();
            });
        });
        watch.start(0);
        QVERIFY(!UpdateExchangeRates(m_app->state, m_app->current.Record(), m_frame.get(), 10000));
        QVERIFY(m_app->messages.shown.empty());
        QVERIFY(ReadBytes(MoneyFile()) == m_original);
    }

    void moneyWindowRightClickUpdatesTheOpenWindow()
    {
        UseRates("/daily.xml");
        QString titleBefore;
        QString titleAfter;
        QString poundsAfter;
        bool offered = false;
        m_app->dialogs.steps.push_back([&](QDialog& dialog) {
            titleBefore = dialog.windowTitle();
            QWidget* result = FindControl(dialog, kFirstResult + 2);
            QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(2, 2),
                                    result->mapToGlobal(QPoint(2, 2)));
            QApplication::sendEvent(result, &click);
            auto* menu = dialog.findChild<QMenu*>(QStringLiteral("whatsThisMenu"));
            auto* update = dialog.findChild<QAction*>(QStringLiteral("updateRatesAction"));
            offered = menu && update && menu->actions().contains(update);
            if (menu)
                menu->close();
            if (update)
                update->trigger();
            titleAfter = dialog.windowTitle();
            poundsAfter = ResultText(dialog, 2);
            dialog.reject();
            return 0;
        });
        Run(kMoneyOpen);
        QVERIFY(offered);
        QCOMPARE(titleBefore, QStringLiteral("Money Conversions - Updated (6/13/1994)"));
        QCOMPARE(titleAfter, QStringLiteral("Money Conversions - Updated (12/4/2026)"));
        QCOMPARE(poundsAfter, QStringLiteral("0.791077"));
        // Closing the window neither asks again nor stamps today's date over the rates' date.
        QCOMPARE(SavedMoney().m_updateDate, std::string("12/4/2026"));
    }
};

} // namespace kalvex::testing

QTEST_MAIN(kalvex::testing::ExchangeRatesScenarioTest)
#include "exchange_rates_scenario_test.moc"
