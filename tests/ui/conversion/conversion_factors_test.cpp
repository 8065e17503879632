#include "tests/ui/conversion/conversion_dlg_fixture.h"
#include "tests/ui/support/isolated_environment.h"

using namespace kalvex;
using namespace kalvex::testing;

// Changing the factors from the window, and what closing it saves.
class ConversionFactorsTest : public QObject, private ConversionDlgFixture {
    Q_OBJECT

private slots:
    void init() { Start(); }
    void cleanup() { Finish(); }

    void factorsButtonChangesTheResults()
    {
        OpenDistance();
        m_t->dialogs.steps.push_back([](QDialog& dialog) {
            return qobject_cast<CGroupDefDlg*>(&dialog) &&
                           !static_cast<CGroupDefDlg&>(dialog).MayChangeUnits()
                       ? 0
                       : -1;
        });
        Click(712);
        QCOMPARE(m_dlg->m_factorsChanged, 0);

        // Even after a refused entry, whose value put back carries no modified mark, the results
        // follow the changed factors.
        Enter(QStringLiteral("-1"));
        ScriptFactorChange();
        Click(712);
        QCOMPARE(m_t->dialogs.runs, 2);
        QCOMPARE(m_dlg->m_factorsChanged, 1);
        QCOMPARE(Text(8202), QStringLiteral("0.002"));
        QCOMPARE(Text(8203), QStringLiteral("100"));
    }

    void savingChangedFactorsCommitsTheGroup()
    {
        OpenDistance();
        ScriptFactorChange();
        Click(712);
        Click(160);
        m_t->messages.Answer(MessageAnswer::Yes);
        Click(2);
        QVERIFY(!m_dlg->isVisible());
        QCOMPARE(m_t->messages.Last()->text,
                 std::string("You made changes to the conversion factors.  Do you wish to save them?"));
        QCOMPARE(m_t->messages.Last()->buttons, MessageButtons::YesNoCancel);
        QCOMPARE(m_t->messages.beeps.back(), MessageIcon::Question);
        QCOMPARE(m_t->busy.depth, 0);
        QVERIFY(m_t->busy.begun > 0);
        CConversion saved;
        QVERIFY(LoadFactorFile(File(kDistanceId), saved));
        QCOMPARE(saved.m_factors[2][0], 0.002);
        QCOMPARE(saved.m_factors[0][2], 500.0);
        QCOMPARE(int(saved.m_digits), 7);
        QCOMPARE(saved.m_updateDate, std::string("12/8/2026"));
        QCOMPARE(m_t->settings.ReadInt("Settings", "Dist", 0), 1);
    }

    void decliningToSaveKeepsTheStoredFactors_data()
    {
        QTest::addColumn<int>("groupId");
        QTest::addColumn<bool>("changeDigits");
        QTest::newRow("distance, same digits") << kDistanceId << false;
        QTest::newRow("distance, new digits") << kDistanceId << true;
        QTest::newRow("custom group, new digits") << kCustom1Id << true;
    }
    void decliningToSaveKeepsTheStoredFactors()
    {
        QFETCH(int, groupId);
        QFETCH(bool, changeDigits);
        Store(DistanceGroup(), groupId);
        const QByteArray before = FileBytes(groupId);
        OpenChosen(groupId);
        ScriptFactorChange();
        Click(712);
        if (changeDigits)
            Click(161);
        m_t->messages.Answer(MessageAnswer::No);
        Click(2);
        QVERIFY(!m_dlg->isVisible());
        if (!changeDigits) {
            QCOMPARE(FileBytes(groupId), before);
            return;
        }
        CConversion saved;
        QVERIFY(LoadFactorFile(File(groupId), saved));
        QCOMPARE(saved.m_factors[2][0], 0.001);
        QCOMPARE(int(saved.m_scientific), 1);
        QCOMPARE(saved.m_updateDate, std::string("Unknown"));
    }

    void cancellingTheQuestionKeepsTheDialogOpen()
    {
        OpenDistance();
        ScriptFactorChange();
        Click(712);
        m_t->messages.Answer(MessageAnswer::Cancel);
        QTest::keyClick(m_dlg.get(), Qt::Key_Escape);
        QVERIFY(m_dlg->isVisible());
        QCOMPARE(m_dlg->m_closing, 0);
        Enter(QStringLiteral("12"));
        QCOMPARE(Text(8201), QStringLiteral("12"));
    }

    void closingFromTheFrameRunsTheCloseProcedure()
    {
        OpenDistance();
        ScriptFactorChange();
        Click(712);
        m_t->messages.Answer(MessageAnswer::Cancel);
        m_dlg->close();
        QVERIFY(m_dlg->isVisible());
        QCOMPARE(m_t->messages.shown.size(), std::size_t(1));

        Click(160);
        m_t->messages.Answer(MessageAnswer::No);
        m_dlg->close();
        QVERIFY(!m_dlg->isVisible());
        CConversion saved;
        QVERIFY(LoadFactorFile(File(kDistanceId), saved));
        QCOMPARE(int(saved.m_digits), 7);
        QCOMPARE(saved.m_factors[2][0], 0.001);
    }

    void unreadableFileIsNotReplacedOnClosing()
    {
        OpenDistance();
        Click(160);
        QVERIFY(QFile::remove(QString::fromStdString(File(kDistanceId))));
        Click(2);
        QVERIFY(!m_dlg->isVisible());
        QVERIFY(!QFile::exists(QString::fromStdString(File(kDistanceId))));
    }

    void displayChangesThatCannotBeSavedAreReported()
    {
        OpenDistance();
        Click(160);
        const QString file = QString::fromStdString(File(kDistanceId));
        QVERIFY(QFile::setPermissions(file, QFileDevice::ReadOwner));
        Click(2);
        QCOMPARE(m_t->messages.Last()->text,
                 "These factor files could not be saved:\n\n" + File(kDistanceId) +
                     " (read-only)\n\nThe folder may be read-only or the disk full. Your changes to them are "
                     "not stored.");
        QCOMPARE(m_t->messages.Last()->icon, MessageIcon::Warning);
        QCOMPARE(QFileInfo(file).permissions() & QFileDevice::WriteOwner, QFileDevice::Permissions());
    }
};

int main(int argc, char** argv)
{
    kalvex::testing::IsolateUserFolders();
    QApplication app(argc, argv);
    ConversionFactorsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "conversion_factors_test.moc"
