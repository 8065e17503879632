#include "core/conversion.h"
#include "core/group_ids.h"
#include "platform/testing/memory_settings_store.h"
#include "storage/app_state.h"
#include "storage/builtin_groups.h"
#include "storage/factor_file.h"
#include "storage/rates_update.h"
#include "storage/unsaved_files.h"
#include "tests/support/local_http_server.h"
#include "tests/support/program_home.h"
#include "tests/support/real_disk.h"
#include "tests/support/temp_folder.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTest>
#include <csignal>

namespace kalvex::testing {

// `kalvex --update-rates [URL]` run as a user would run it: the real program from a private
// home, with no display, against a server on 127.0.0.1.
class UpdateRatesCommandTest : public QObject {
    Q_OBJECT

private:
    LocalHttpServer m_server;
    std::unique_ptr<ProgramHome> m_home;
    std::string m_factors;

    QString ProfileFile() const { return m_home->ProfileFile(); }
    std::string MoneyFile() const { return m_factors + "Mony.fsf"; }
    void SetProfile(const char* key, const QString& value) { m_home->SetProfile(key, value); }

    // Runs the program to its end, serving its requests meanwhile.
    void Run(const QStringList& arguments, int& exitCode, QString& out, QString& err)
    {
        QProcess process;
        process.setProcessEnvironment(m_home->Environment(ProgramHome::Display::None));
        process.start(QStringLiteral(KALVEX_PROGRAM), QStringList{"--update-rates"} + arguments);
        QVERIFY(process.waitForStarted());
        QTRY_COMPARE_WITH_TIMEOUT(process.state(), QProcess::NotRunning, 30000);
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        exitCode = process.exitCode();
        out = QString::fromUtf8(process.readAllStandardOutput());
        err = QString::fromUtf8(process.readAllStandardError());
    }

private slots:
    void initTestCase()
    {
        QFile daily(QStringLiteral(KALVEX_TEST_DATA_DIR "/rates/normal_day.xml"));
        QFile missingUsd(QStringLiteral(KALVEX_TEST_DATA_DIR "/rates/missing_usd.xml"));
        QVERIFY(daily.open(QIODevice::ReadOnly) && missingUsd.open(QIODevice::ReadOnly));
        m_server.Serve("/daily.xml", {200, daily.readAll()});
        m_server.Serve("/missing-usd.xml", {200, missingUsd.readAll()});
    }

    // A profile that has been started once: a factor folder holding the built-in Money group.
    void init()
    {
        m_home = std::make_unique<ProgramHome>();
        QVERIFY(m_home->IsValid());
        m_factors = m_home->FactorFolder().toStdString();
        MemorySettingsStore settings;
        AppState app;
        app.services.settings = &settings;
        app.services.replacer = &RealDisk();
        app.m_factorPath = m_factors;
        NullProgressSink progress;
        UnsavedFiles unsaved;
        CreateBuiltinGroup(app, kMoneyId, false, progress, unsaved);
    }

    void updatesFromTheAddressGiven()
    {
        int exitCode = -1;
        QString out, err;
        Run({m_server.Url("/daily.xml")}, exitCode, out, err);
        QCOMPARE(exitCode, 0);
        QVERIFY2(out.contains("exchange rates of 12/4/2026"), qPrintable(out + err));
        CConversion money;
        QVERIFY(LoadFactorFile(MoneyFile(), money));
        QCOMPARE(money.m_updateDate, std::string("12/4/2026"));
        QCOMPARE(money.m_factors[1][0], 1.95583 / 1.0523);
        QCOMPARE(money.m_units[10], std::string("euro,€"));
    }

    void failsFromTheSettingsAddressLeavingTheFileAlone()
    {
        SetProfile("RatesUrl", m_server.Url("/missing-usd.xml"));
        const std::string before = ReadBytes(MoneyFile());
        int exitCode = -1;
        QString out, err;
        Run({}, exitCode, out, err);
        QCOMPARE(exitCode, 3);
        QVERIFY2(err.contains(m_server.Url("/missing-usd.xml")) && err.contains("no rate for USD"),
                 qPrintable(err));
        QVERIFY(ReadBytes(MoneyFile()) == before);
    }

    // The network library is loaded only when an update runs, never by a start.
    void aWindowedStartLoadsNoNetworkLibrary()
    {
        const int requests = m_server.RequestCount();
        QProcess process;
        process.setProcessEnvironment(m_home->Environment(ProgramHome::Display::Offscreen));
        process.start(QStringLiteral(KALVEX_PROGRAM), {});
        QVERIFY(process.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(
            QSettings(ProfileFile(), QSettings::IniFormat).value("Settings/NumStd").isValid(), 30000);
        QTest::qWait(500);
        QFile maps(QStringLiteral("/proc/%1/maps").arg(process.processId()));
        QVERIFY(maps.open(QIODevice::ReadOnly));
        const QByteArray mapped = maps.readAll();
        QVERIFY(mapped.contains("libQt6Core"));
        QVERIFY(!mapped.contains("libQt6Network"));
        QVERIFY(!mapped.contains("kalvex_network"));
        ::kill(pid_t(process.processId()), SIGTERM);
        QVERIFY(process.waitForFinished(10000));
        QCOMPARE(m_server.RequestCount(), requests);
    }

    void aFreshProfileIsToldToStartTheProgramFirst()
    {
        QVERIFY(QFile::remove(ProfileFile()));
        const int requests = m_server.RequestCount();
        int exitCode = -1;
        QString out, err;
        Run({m_server.Url("/daily.xml")}, exitCode, out, err);
        QCOMPARE(exitCode, 3);
        QVERIFY2(err.contains("no factor directory"), qPrintable(err));
        QCOMPARE(m_server.RequestCount(), requests);
    }
};

} // namespace kalvex::testing

QTEST_GUILESS_MAIN(kalvex::testing::UpdateRatesCommandTest)
#include "update_rates_command_test.moc"
