#include "core/group_ids.h"
#include "platform/posix/ini_profile_reader.h"
#include "platform/posix/lz_file_copier.h"
#include "platform/qt/application_title.h"
#include "platform/qt/qsettings_store.h"
#include "platform/qt/single_instance.h"
#include "platform/qt/termination_signals.h"
#include "storage/factor_file.h"
#include "storage/group_import.h"
#include "tests/support/real_disk.h"
#include "tests/support/two_unit_group.h"
#include "tests/ui/support/group_editor_driver.h"
#include "tests/ui/support/isolated_environment.h"
#include "tests/ui/support/modal_watchdog.h"
#include "tests/ui/support/test_app.h"
#include "ui/controls/control_id.h"
#include "ui/conversion/conversion_dlg.h"
#include "ui/editing/group_def_dlg.h"
#include "ui/shell/command_ids.h"
#include "ui/shell/find_unit_bar.h"
#include "ui/shell/kalvex_app.h"
#include "ui/shell/kalvex_view.h"
#include "ui/shell/launcher_pane.h"
#include "ui/shell/main_frame.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <climits>
#include <csignal>
#include <sys/stat.h>

using namespace kalvex;
using kalvex::testing::GroupEditorDriver;
using kalvex::testing::TestApp;

namespace {

// Types a value into a conversion window and reads the result of every row it shows.
QStringList Results(QDialog& window, const QString& value)
{
    auto* input = FindControl<QLineEdit>(window, 306);
    GroupEditorDriver::Type(input, value);
    QTest::keyClick(input, Qt::Key_Return);
    QStringList results;
    for (int row = 0; FindControl(window, 8201 + row) && FindControl(window, 8201 + row)->isEnabled(); ++row)
        results << FindControl<QLineEdit>(window, 8201 + row)->text();
    return results;
}

// What "kalvex --import" does from another process: adds the group beside the running program's
// back, then tells it.
bool ImportAsAnotherProcess(const std::string& factorPath, ISettingsStore& settings)
{
    AppState other;
    other.services.settings = &settings;
    other.services.replacer = &kalvex::testing::RealDisk();
    other.m_factorPath = factorPath;
    const CConversion group =
        kalvex::testing::TwoUnitGroup("Outside", "Roman foot,pes", "Roman half foot,semipes");
    if (AddImportedGroup(other, group).groupId == 0)
        return false;
    SingleInstance(ApplicationTitle()).TellGroupsChanged();
    return true;
}

// The scripted services plus the real legacy reader and file copier over the test's folder.
struct StartupFixture {
    StartupFixture() : legacy(std::filesystem::path(test.folder.path().toStdString()))
    {
        test.services.legacy = &legacy;
        test.services.copier = &copier;
    }

    std::unique_ptr<CKalvexApp> MakeApp(bool minimized = false)
    {
        StartOptions options;
        options.programDir = Folder();
        options.dataDir = Folder() + "data/";
        options.systemFolder = QString::fromStdString(Folder());
        options.startMinimized = minimized;
        return std::make_unique<CKalvexApp>(test.services, options);
    }

    std::string Folder() const { return test.folder.path().toStdString() + "/"; }
    int FactorFileCount() const
    {
        return int(QDir(test.folder.path()).entryList({"*.fsf"}, QDir::Files).size());
    }

    TestApp test;
    IniProfileReader legacy;
    LzFileCopier copier;
};

} // namespace

class KalvexAppTest : public QObject {
    Q_OBJECT

private slots:
    void firstStartBuildsTheGroupsBehindTheProgressWindow()
    {
        StartupFixture fixture;
        fixture.test.messages.Answer(MessageAnswer::Yes); // the first-run question
        auto app = fixture.MakeApp();
        QVERIFY(app->InitApplication());
        QVERIFY(app->InitInstance());

        QCOMPARE(fixture.test.messages.shown.size(), std::size_t(1));
        QVERIFY(QString::fromStdString(fixture.test.messages.shown[0].text)
                    .startsWith("Since this is the first time"));
        QCOMPARE(fixture.FactorFileCount(), 14);
        QVERIFY(app->ShowedProgressWindow());
        QCOMPARE(fixture.test.busy.begun, 1);
        QCOMPARE(fixture.test.busy.depth, 0);
        QVERIFY(app->State().m_listFormat != 0);
        QCOMPARE(app->Frame()->windowTitle(), QStringLiteral("Kalvex! - Vela v3.52"));
        QVERIFY(app->Frame()->isVisible());
        QVERIFY(app->Frame()->centralWidget());
        // Groups have a handler now that the launcher is there.
        QVERIFY(app->Frame()->IsCommandEnabled(4104));
        QVERIFY(app->Frame()->IsCommandEnabled(103));
        QCOMPARE(fixture.test.settings.ReadString("Settings", "ConvVersion", ""), std::string("3.5.2"));
    }

    void upToDateSettingsStartWithoutQuestionOrProgress()
    {
        StartupFixture fixture;
        fixture.test.settings.WriteString("Settings", "ConvFilePath", fixture.Folder());
        fixture.test.settings.WriteString("Settings", "ConvVersion", "3.5.2");
        fixture.test.settings.WriteInt("Settings", "NumDigits", 9);
        fixture.test.settings.WriteInt("Settings", "Scientific", 1);
        auto app = fixture.MakeApp();
        QVERIFY(app->InitApplication());
        QVERIFY(app->InitInstance());
        QVERIFY(fixture.test.messages.shown.empty());
        QVERIFY(!app->ShowedProgressWindow());
        QCOMPARE(app->State().m_factorPath, fixture.Folder());
        QCOMPARE(app->State().m_tempDigits, 9);
        QCOMPARE(app->State().m_tempScientific, 1);
        QVERIFY(app->SplashWindow());
    }

    void startedMinimizedShowsNoSplash()
    {
        StartupFixture fixture;
        fixture.test.settings.WriteString("Settings", "ConvFilePath", fixture.Folder());
        auto app = fixture.MakeApp(true);
        QVERIFY(app->InitApplication());
        QVERIFY(app->InitInstance());
        QVERIFY(!app->SplashWindow());
        QCOMPARE(app->ExitInstance(7), 7);
    }

    void secondApplicationObjectEndsAtOnce()
    {
        StartupFixture fixture;
        auto first = fixture.MakeApp();
        QVERIFY(first->InitApplication());
        auto second = fixture.MakeApp();
        QVERIFY(!second->InitApplication());
    }

    void secondStartRestoresAMinimizedFirstWindow()
    {
        StartupFixture fixture;
        fixture.test.settings.WriteString("Settings", "ConvFilePath", fixture.Folder());
        auto first = fixture.MakeApp();
        QVERIFY(first->InitApplication());
        QVERIFY(first->InitInstance());
        first->Frame()->showMinimized();
        QTRY_VERIFY(first->Frame()->isMinimized());
        QVERIFY(!fixture.MakeApp()->InitApplication());
        QTRY_VERIFY(!first->Frame()->isMinimized());
        QVERIFY(first->Frame()->isVisible());
    }

    void aboutAndHelpCommandsOfTheApplication()
    {
        StartupFixture fixture;
        fixture.test.settings.WriteString("Settings", "ConvFilePath", fixture.Folder());
        auto app = fixture.MakeApp();
        QVERIFY(app->InitInstance());
        fixture.test.dialogs.steps.push_back(
            [](QDialog& dialog) { return dialog.objectName() == "aboutDlg" ? int(QDialog::Accepted) : -1; });
        app->Frame()->RouteCommand(57664);
        QCOMPARE(fixture.test.dialogs.runs, 1);
        QCOMPARE(fixture.test.dialogs.unexpected, 0);
        for (int command = 4202; command <= 4207; ++command)
            app->Frame()->RouteCommand(command);
        QCOMPARE(fixture.test.help.topics, std::vector<int>({5001, 2001, 1005, 3001, 4001, 8001}));
    }

    // The profile's counts claim one group more than is listed after a Disable and a rebuilt
    // file; the keyboard must still reach the last icon and wrap from it.
    void keysReachTheLastIconAfterDisableAndADeletedFile()
    {
        StartupFixture fixture;
        fixture.test.settings.WriteString("Settings", "ConvFilePath", fixture.Folder());
        auto app = fixture.MakeApp();
        QVERIFY(app->InitInstance());
        app->Frame()->RouteCommand(4105 + 249); // Disable Mass
        app.reset();
        QVERIFY(QFile::remove(QString::fromStdString(fixture.Folder() + "Dist.fsf")));

        app = fixture.MakeApp();
        QVERIFY(app->InitInstance());
        auto* view = app->Frame()->findChild<CKalvexView*>();
        QVERIFY(view);
        QVERIFY(QTest::qWaitForWindowExposed(app->Frame()));
        QCOMPARE(view->EntryCount(), 14);
        QCOMPARE(view->Grid().Count(), 14);
        QTest::keyClick(view, Qt::Key_End);
        QCOMPARE(app->State().m_selectedGroup, 13);
        QTest::keyClick(view, Qt::Key_Right);
        QCOMPARE(app->State().m_selectedGroup, 0);
        QTest::keyClick(view, Qt::Key_Left);
        QCOMPARE(app->State().m_selectedGroup, 13);
    }

    // A group imported by another process while a conversion window is open, its factors changed
    // and not yet saved: the launcher lists it at once, and the window keeps converting and then
    // saves the group it was opened on.
    void aGroupImportedElsewhereIsListedAtOnceWhileAWindowIsOpen()
    {
        StartupFixture fixture;
        fixture.test.settings.WriteString("Settings", "ConvFilePath", fixture.Folder());
        auto app = fixture.MakeApp();
        QVERIFY(app->InitApplication());
        QVERIFY(app->InitInstance());
        auto* view = app->Frame()->findChild<CKalvexView*>();
        QVERIFY(view);
        const int listed = view->EntryCount();

        QStringList edited, afterImport;
        bool imported = false, listedWhileOpen = false;
        fixture.test.dialogs.steps.push_back([&](QDialog& window) {
            if (!qobject_cast<CConversionDlg*>(&window))
                return 0;
            QTest::mouseClick(FindControl<QAbstractButton>(window, 712), Qt::LeftButton);
            edited = Results(window, QStringLiteral("3"));

            imported = ImportAsAnotherProcess(fixture.Folder(), fixture.test.settings);
            listedWhileOpen = QTest::qWaitFor([&] { return view->EntryCount() == listed + 1; });
            afterImport = Results(window, QStringLiteral("3"));
            fixture.test.messages.Answer(MessageAnswer::Yes); // save the changed factors
            QTest::mouseClick(FindControl<QAbstractButton>(window, 2), Qt::LeftButton);
            return 0;
        });
        fixture.test.dialogs.steps.push_back([](QDialog& editor) {
            if (!qobject_cast<CGroupDefDlg*>(&editor))
                return 0;
            GroupEditorDriver driver(editor);
            GroupEditorDriver::Choose(driver.List(104), 2);
            GroupEditorDriver::Type(driver.Field(102), QStringLiteral("0.002"));
            driver.Click(107);
            driver.Click(699);
            return editor.result();
        });
        QVERIFY(view->OnCommand(kDistanceId));
        QCOMPARE(fixture.test.dialogs.runs, 2);
        QVERIFY(imported);
        QVERIFY(listedWhileOpen);
        QCOMPARE(view->EntryName(listed), QStringLiteral("Outside"));
        QCOMPARE(afterImport, edited);

        CConversion saved;
        QVERIFY(LoadFactorFile(FactorFileName(fixture.Folder(), kDistanceId), saved));
        QCOMPARE(saved.m_name, std::string("Distance"));
        QVERIFY(saved.m_unitCount > 2);
        QCOMPARE(saved.m_factors[2][0], 0.002);
    }

    // The same import while the find field is open: what was typed finds the new group's unit
    // without the field being closed and opened again.
    void aGroupImportedElsewhereIsFoundByTheOpenFindField()
    {
        StartupFixture fixture;
        fixture.test.settings.WriteString("Settings", "ConvFilePath", fixture.Folder());
        auto app = fixture.MakeApp();
        QVERIFY(app->InitApplication());
        QVERIFY(app->InitInstance());
        auto* pane = app->Frame()->findChild<CLauncherPane*>();
        QVERIFY(pane);
        QVERIFY(pane->OnCommand(command::kFindUnit));
        QTest::keyClicks(&pane->FindBar().Field(), QStringLiteral("3 semipes"));
        QCOMPARE(pane->FindBar().Results().count(), 0);

        QVERIFY(ImportAsAnotherProcess(fixture.Folder(), fixture.test.settings));
        QVERIFY(QTest::qWaitFor([&] { return pane->FindBar().Results().count() > 0; }));
        QCOMPARE(pane->FindBar().Results().item(0)->text(),
                 QStringLiteral("Roman half foot (semipes), Outside"));
        QCOMPARE(pane->FindBar().Field().text(), QStringLiteral("3 semipes"));
    }

    void absurdPlacementGivesAFrameNoLargerThanTheDesktop()
    {
        StartupFixture fixture;
        fixture.test.settings.WriteString("Settings", "ConvFilePath", fixture.Folder());
        fixture.test.settings.WriteInt("Frame", "Top", INT_MIN);
        fixture.test.settings.WriteInt("Frame", "Left", INT_MIN);
        fixture.test.settings.WriteInt("Frame", "Bottom", 400);
        fixture.test.settings.WriteInt("Frame", "Right", 560);
        auto app = fixture.MakeApp();
        QVERIFY(app->InitInstance());
        const QRect desktop = QGuiApplication::primaryScreen()->virtualGeometry();
        const QRect frame = app->Frame()->geometry();
        QVERIFY(frame.height() <= desktop.height());
        QVERIFY(frame.width() <= desktop.width());
        QCOMPARE(frame.bottom() + 1, 400);
    }

    void firstStartReplacesTheProfileOnce()
    {
        StartupFixture fixture;
        fixture.test.messages.Answer(MessageAnswer::Yes);
        auto app = fixture.MakeApp();
        QVERIFY(app->InitInstance());
        QVERIFY(fixture.test.settings.writeCount > 15);
        QCOMPARE(fixture.test.settings.commitCount, 1);
        QCOMPARE(fixture.test.settings.ReadString("Settings", "ConvVersion", ""), std::string("3.5.2"));

        // A command's writes (the flag, then the recount) join in one replacement as well.
        app->Frame()->RouteCommand(4105 + 249); // Disable Mass
        QTRY_COMPARE(fixture.test.settings.commitCount, 2);
        QCOMPARE(fixture.test.settings.ReadInt("Settings", "Conv03", 1), 0);
        QCOMPARE(fixture.test.messages.shown.size(), std::size_t(1));
    }

    void settingsThatCannotBeSavedAreReportedOncePerOperation()
    {
        StartupFixture fixture;
        fixture.test.settings.failWrites = true;
        fixture.test.messages.Answer(MessageAnswer::Yes);
        auto app = fixture.MakeApp();
        QVERIFY(app->InitInstance());
        QCOMPARE(fixture.test.messages.shown.size(), std::size_t(2)); // the first-run question, the loss
        const MessageRequest& lost = fixture.test.messages.shown[1];
        QCOMPARE(lost.icon, MessageIcon::Warning);
        QVERIFY(lost.text.find("could not save") != std::string::npos);
        QVERIFY(lost.text.find(" memory:") != std::string::npos);
        QVERIFY(lost.text.find("Settings/ConvFilePath") != std::string::npos);
        QVERIFY(QTest::qWaitForWindowExposed(app->Frame()));

        app->Frame()->RouteCommand(4105 + 249); // Disable Mass
        QTRY_COMPARE(fixture.test.messages.shown.size(), std::size_t(3));
        QVERIFY(fixture.test.messages.shown[2].text.find("Settings/Conv03") != std::string::npos);
        QTest::qWait(20);
        QCOMPARE(fixture.test.messages.shown.size(), std::size_t(3));
    }

    // The real store over a profile that is a FIFO or far too large: start-up neither blocks nor
    // loses the file, and the user learns what happened.
    void unusableProfileFilesDoNotStopStartUp()
    {
        for (const bool fifo : {true, false}) {
            StartupFixture fixture;
            const QString profile = QString::fromStdString(fixture.Folder() + "Kalvex!.conf");
            if (fifo) {
                QCOMPARE(::mkfifo(QFile::encodeName(profile).constData(), 0600), 0);
            } else {
                QFile file(profile);
                QVERIFY(file.open(QIODevice::WriteOnly));
                QVERIFY(file.resize(50 * 1024 * 1024));
            }
            QSettingsStore store(profile);
            fixture.test.services.settings = &store;
            if (!fifo)
                fixture.test.messages.Answer(MessageAnswer::Ok); // the damaged profile
            fixture.test.messages.Answer(MessageAnswer::Yes);    // the first-run question
            auto app = fixture.MakeApp();
            QVERIFY(app->InitInstance());
            const std::vector<MessageRequest>& shown = fixture.test.messages.shown;
            QCOMPARE(shown.size(), std::size_t(2));
            const std::string& notice = fifo ? shown[1].text : shown[0].text;
            QVERIFY2(notice.find(profile.toStdString()) != std::string::npos, notice.c_str());
            QCOMPARE(QFileInfo(profile).isFile(), !fifo);
        }
    }

    void terminationSignalClosesTheFrameAsTheUserWould()
    {
        StartupFixture fixture;
        fixture.test.settings.WriteString("Settings", "ConvFilePath", fixture.Folder());
        fixture.test.settings.WriteInt("Settings", "NumDigits", 8);
        auto app = fixture.MakeApp();
        QVERIFY(app->InitInstance());
        QVERIFY(QTest::qWaitForWindowExposed(app->Frame()));
        app->Frame()->setGeometry(40, 50, 300, 200);
        QSignalSpy closed(app.get(), &CKalvexApp::mainFrameClosed);

        TerminationSignals termination;
        connect(&termination, &TerminationSignals::terminationRequested, app.get(),
                [&app](int signalNumber) { app->OnTerminationSignal(signalNumber); });
        std::raise(SIGTERM);
        QTRY_COMPARE(closed.count(), 1);
        QCOMPARE(fixture.test.settings.ReadInt("Frame", "Status", 0), 1);
        QCOMPARE(fixture.test.settings.ReadInt("Frame", "Left", 0), 40);
        QCOMPARE(fixture.test.settings.ReadInt("Frame", "Bottom", 0), 250);

        app->State().m_tempDigits = 11;
        app.reset(); // the view goes with the frame and keeps the temperature digits
        QCOMPARE(fixture.test.settings.ReadInt("Settings", "NumDigits", 0), 11);
    }
};

int main(int argc, char** argv)
{
    kalvex::testing::IsolateUserFolders();
    QApplication application(argc, argv);
    kalvex::testing::ModalWatchdog watchdog;
    KalvexAppTest test;
    const int result = QTest::qExec(&test, argc, argv);
    return result != 0 ? result : watchdog.caught;
}

#include "kalvex_app_test.moc"
