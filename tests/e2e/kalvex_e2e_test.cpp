#include "tests/support/program_home.h"

#include <QDir>
#include <QProcess>
#include <QSettings>
#include <QTest>
#include <csignal>

// Starts the real program offscreen with a private home and config folder.
class KalvexEndToEndTest : public QObject {
    Q_OBJECT

private:
    kalvex::testing::ProgramHome m_home;
    const QString m_factors = m_home.FactorFolder();

    QString ProfileFile() const { return m_home.ProfileFile(); }

    void Start(QProcess& process)
    {
        process.setProcessEnvironment(m_home.Environment(kalvex::testing::ProgramHome::Display::Offscreen));
        process.setProgram(QStringLiteral(KALVEX_PROGRAM));
        process.start();
        QVERIFY(process.waitForStarted());
    }

private slots:
    void initTestCase() { QVERIFY(m_home.IsValid()); }

    void startSecondStartAndClose()
    {
        QProcess first;
        Start(first);
        QTRY_COMPARE_WITH_TIMEOUT(QDir(m_factors).entryList({"*.fsf"}, QDir::Files).size(), 14, 30000);
        QTRY_VERIFY_WITH_TIMEOUT(
            QSettings(ProfileFile(), QSettings::IniFormat).value("Settings/NumStd").isValid(), 10000);
        {
            const QSettings profile(ProfileFile(), QSettings::IniFormat);
            QCOMPARE(profile.value("Settings/ConvVersion").toString(), QStringLiteral("3.5.2"));
            QCOMPARE(profile.value("Settings/NumStd").toInt(), 15);
            QCOMPARE(profile.value("Settings/ConvFilePath").toString(), m_factors);
            QVERIFY(!profile.contains("Frame/Status"));
        }

        QProcess second;
        Start(second);
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(first.state(), QProcess::Running);

        ::kill(pid_t(first.processId()), SIGTERM);
        QVERIFY(first.waitForFinished(10000));
        QCOMPARE(first.exitStatus(), QProcess::NormalExit);
        QCOMPARE(first.exitCode(), 0);
        const QSettings profile(ProfileFile(), QSettings::IniFormat);
        QCOMPARE(profile.value("Frame/Status").toInt(), 1);
        QVERIFY(profile.value("Frame/Right").toInt() > profile.value("Frame/Left").toInt());
        QVERIFY(profile.value("Frame/Bottom").toInt() > profile.value("Frame/Top").toInt());
        QCOMPARE(profile.value("Settings/NumDigits").toInt(), 6);
    }
};

QTEST_GUILESS_MAIN(KalvexEndToEndTest)

#include "kalvex_e2e_test.moc"
