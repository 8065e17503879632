#include <QDir>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

// Starts the real program offscreen with a private home and config folder.
class KalvexEndToEndTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_home;
    QString m_factors;

    QProcessEnvironment Environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", m_home.path());
        env.insert("XDG_CONFIG_HOME", m_home.filePath("config"));
        env.insert("XDG_DATA_HOME", m_home.filePath("data"));
        env.insert("XDG_RUNTIME_DIR", m_home.filePath("runtime"));
        env.insert("QT_QPA_PLATFORM", "offscreen");
        return env;
    }

    QString ProfileFile() const { return m_home.filePath("config/Qor Corporation/Kalvex!.conf"); }

    void Start(QProcess& process)
    {
        process.setProcessEnvironment(Environment());
        process.setProgram(QStringLiteral(KALVEX_PROGRAM));
        process.start();
        QVERIFY(process.waitForStarted());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        for (const char* folder : {"config/Qor Corporation", "data", "runtime", "factors"})
            QVERIFY(QDir(m_home.path()).mkpath(folder));
        QFile::setPermissions(m_home.filePath("runtime"),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        m_factors = m_home.filePath("factors") + '/';
        // A prepared profile: the factor folder is known, so no first-run question is asked.
        QSettings profile(ProfileFile(), QSettings::IniFormat);
        profile.setValue("Settings/ConvFilePath", m_factors);
        profile.sync();
    }

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
