// "kalvex --import FILE" run as a user runs it from a terminal: no display, a private home.
#include "tests/support/program_home.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTest>

class ImportCommandTest : public QObject {
    Q_OBJECT

private:
    kalvex::testing::ProgramHome m_home;
    const QString m_factors = m_home.FactorFolder();

    struct Run {
        int exitCode = -1;
        QString out;
        QString err;
    };
    Run Import(const QString& file)
    {
        QProcess process;
        process.setProcessEnvironment(m_home.Environment(kalvex::testing::ProgramHome::Display::None));
        process.start(QStringLiteral(KALVEX_PROGRAM), {"--import", file});
        if (!process.waitForFinished(20000))
            return {};
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }
    int Setting(const char* key) const
    {
        return m_home.Profile(QStringLiteral("Settings/") + key, -1).toInt();
    }

private slots:
    void initTestCase() { QVERIFY(m_home.IsValid()); }

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
        QFile damaged(m_home.Path("damaged.fsf"));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write("\x05hello");
        damaged.close();
        for (const QString& file :
             {damaged.fileName(), QStringLiteral("/dev/zero"), m_home.Path("none.fsf")}) {
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
