// "kalvex --import FILE" run as a user runs it from a terminal: no display, a private home.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

class ImportCommandTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_home;
    QString m_factors;

    QString ProfileFile() const { return m_home.filePath("config/Qor Corporation/Kalvex!.conf"); }

    struct Run {
        int exitCode = -1;
        QString out;
        QString err;
    };
    Run Import(const QString& file)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", m_home.path());
        env.insert("XDG_CONFIG_HOME", m_home.filePath("config"));
        env.insert("XDG_RUNTIME_DIR", m_home.filePath("runtime"));
        env.remove("DISPLAY");
        env.remove("WAYLAND_DISPLAY");
        env.remove("QT_QPA_PLATFORM");
        QProcess process;
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(KALVEX_PROGRAM), {"--import", file});
        if (!process.waitForFinished(20000))
            return {};
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }
    int Setting(const char* key) const
    {
        return QSettings(ProfileFile(), QSettings::IniFormat)
            .value(QStringLiteral("Settings/") + key, -1)
            .toInt();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        QVERIFY(QDir(m_home.path()).mkpath("config/Qor Corporation"));
        QVERIFY(QDir(m_home.path()).mkpath("factors"));
        QVERIFY(QDir(m_home.path()).mkpath("runtime"));
        QFile::setPermissions(m_home.filePath("runtime"),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        m_factors = m_home.filePath("factors") + '/';
        QSettings profile(ProfileFile(), QSettings::IniFormat);
        profile.setValue("Settings/ConvFilePath", m_factors);
        profile.sync();
    }

    void addsTheGroupAndNumbersATakenName()
    {
        const QString dataSize = QStringLiteral(KALVEX_LIBRARY_DIR "/DataSize.fsf");
        const Run first = Import(dataSize);
        QCOMPARE(first.exitCode, 0);
        QCOMPARE(first.out, QStringLiteral("Cust01\tData size\n"));
        const Run second = Import(dataSize);
        QCOMPARE(second.exitCode, 0);
        QCOMPARE(second.out, QStringLiteral("Cust02\tData size (2)\n"));
        QCOMPARE(Setting("NumCust"), 2);
        QCOMPARE(Setting("Cust02"), 1);
        QFile original(dataSize);
        QFile added(m_factors + "Cust01.fsf");
        QVERIFY(original.open(QIODevice::ReadOnly) && added.open(QIODevice::ReadOnly));
        QCOMPARE(added.readAll(), original.readAll());
    }

    void refusesOnStandardErrorAndAddsNothing()
    {
        const int before = Setting("NumCust");
        QFile damaged(m_home.filePath("damaged.fsf"));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write("\x05hello");
        damaged.close();
        for (const QString& file :
             {damaged.fileName(), QStringLiteral("/dev/zero"), m_home.filePath("none.fsf")}) {
            const Run run = Import(file);
            QCOMPARE(run.exitCode, 2);
            QVERIFY(run.out.isEmpty());
            QVERIFY2(run.err.contains("no group is imported"), qPrintable(run.err));
        }
        QCOMPARE(Setting("NumCust"), before);
    }
};

QTEST_GUILESS_MAIN(ImportCommandTest)

#include "import_command_test.moc"
