// "kalvex --import FILE" run as a user runs it from a terminal: no display, a private home.
#include "storage/factor_file.h"
#include "tests/support/program_home.h"
#include "tests/support/real_disk.h"
#include "tests/support/two_unit_group.h"

#include <QDir>
#include <QDirIterator>
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
    // Every file of the home with its bytes.
    QMap<QString, QByteArray> HomeFiles() const
    {
        QMap<QString, QByteArray> files;
        for (QDirIterator it(m_home.Root(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
             it.hasNext();) {
            QFile file(it.next());
            files[file.fileName()] = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unread)");
        }
        return files;
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
            QCOMPARE(run.exitCode, 4);
            QVERIFY(run.out.isEmpty());
            QVERIFY2(run.err.contains("no group is imported"), qPrintable(run.err));
        }
        QCOMPARE(Setting("NumCust"), before);
    }

    // What the group editor refuses, a file cannot bring in. Units a and b, with M[1][0] and
    // M[0][1] as given, and a third unit c = M[2][0] a when that is not 0.
    void refusesWhatTheEditorRefusesAndWritesNothing_data()
    {
        QTest::addColumn<double>("factor");
        QTest::addColumn<double>("reciprocal");
        QTest::addColumn<double>("third");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("named");
        const double inf = std::numeric_limits<double>::infinity();
        const double nan = std::numeric_limits<double>::quiet_NaN();
        const QString plain = QStringLiteral("Hostile");
        const QString aToB = QStringLiteral("the factor for converting 'a' to 'b' is ");
        const QString outOfRange = QStringLiteral(" would be too large or too small to store");
        QTest::newRow("zero") << 0.0 << 0.0 << 0.0 << plain << "no factor relates 'a' to 'b'";
        QTest::newRow("not a number") << nan << nan << 0.0 << plain << aToB + "nan, not a positive number";
        QTest::newRow("negative") << -2.0 << -0.5 << 0.0 << plain << aToB + "-0.5, not a positive number";
        QTest::newRow("infinite") << inf << 0.0 << 0.0 << plain << "converting 'b' to 'a'" + outOfRange;
        QTest::newRow("denormal") << 5e-324 << 0.0 << 0.0 << plain << "converting 'b' to 'a'" + outOfRange;
        // Each factor is sound on its own; the derived pair b to c, 1e600, is not.
        QTest::newRow("far apart") << 1e300 << 0.0 << 1e-300 << plain << "converting 'b' to 'c'" + outOfRange;
        QTest::newRow("no name") << 2.0 << 0.5 << 0.0 << QStringLiteral("  ")
                                 << "holds a group without a name";
    }

    void refusesWhatTheEditorRefusesAndWritesNothing()
    {
        QFETCH(double, factor);
        QFETCH(double, reciprocal);
        QFETCH(double, third);
        QFETCH(QString, name);
        QFETCH(QString, named);
        kalvex::CConversion group = kalvex::testing::TwoUnitGroup(name.toStdString(), "a,a", "b,b");
        group.m_factors[1][0] = factor;
        group.m_factors[0][1] = reciprocal;
        if (third != 0.0) {
            group.m_unitCount = group.m_shownCount = 3;
            group.m_units[2] = "c,c";
            group.m_factors[2][2] = 1.0;
            group.m_factors[2][0] = third;
        }
        const QString file = m_home.Path("hostile.fsf");
        QVERIFY(kalvex::SaveFactorFile(group, file.toStdString(), kalvex::testing::RealDisk()));
        const auto before = HomeFiles();

        const Run run = Import(file);
        QCOMPARE(run.exitCode, 4);
        QVERIFY(run.out.isEmpty());
        QVERIFY2(run.err.contains(named) && run.err.contains("no group is imported"), qPrintable(run.err));
        QCOMPARE(HomeFiles(), before);
    }
};

QTEST_GUILESS_MAIN(ImportCommandTest)

#include "import_command_test.moc"
