#include "ui/editing/groups_dlg.h"

#include "platform/posix/ini_profile_reader.h"
#include "platform/progress_sink.h"
#include "storage/factor_file.h"
#include "storage/inventory_check.h"
#include "tests/support/real_disk.h"
#include "tests/ui/support/isolated_environment.h"
#include "tests/ui/support/modal_watchdog.h"
#include "tests/ui/support/test_app.h"
#include "ui/controls/control_id.h"
#include "ui/controls/drag_list_box.h"
#include "ui/controls/drag_messages.h"
#include "ui/controls/drag_tracker.h"
#include "ui/controls/str_list.h"
#include "ui/controls/transfer.h"

#include <QApplication>
#include <QTest>

using namespace kalvex;

namespace {

// The fourteen built-in factor files as a first start leaves them, all groups enabled.
struct GroupsFixture {
    GroupsFixture() : legacy(std::filesystem::path(app.folder.path().toStdString()))
    {
        app.state.services.legacy = &legacy;
        NullProgressSink progress;
        CheckGroupInventory(app.state, progress);
    }

    void AddCustomGroup()
    {
        CConversion group;
        group.m_name = "Lengths";
        group.m_units[0] = "span,sp";
        group.m_units[1] = "cubit,cu";
        group.m_unitCount = 2;
        QVERIFY(SaveFactorFile(group, app.state.m_factorPath + "Cust01.fsf", kalvex::testing::RealDisk()));
        app.state.m_numCust = 1;
    }

    int Setting(const char* key) const { return app.settings.ReadInt("Settings", key, -99); }

    kalvex::testing::TestApp app;
    IniProfileReader legacy;
};

CDragListBox* Disabled(QDialog& dialog)
{
    return FindControl<CDragListBox>(dialog, 105);
}

CDragListBox* Enabled(QDialog& dialog)
{
    return FindControl<CDragListBox>(dialog, 106);
}

QStringList Texts(const CDragListBox* list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts << list->item(row)->text();
    return texts;
}

void SelectRows(CDragListBox* list, std::initializer_list<int> rows)
{
    list->clearSelection();
    for (int row : rows)
        list->item(row)->setSelected(true);
}

} // namespace

class GroupsDlgTest : public QObject {
    Q_OBJECT

private slots:
    void listsEveryGroupUnderItsKey()
    {
        GroupsFixture f;
        {
            CGroupsDlg dialog(f.app.state);
            QCOMPARE(Enabled(dialog)->count(), 15);
            QCOMPARE(Texts(Enabled(dialog)).first(), QStringLiteral("Conv01 Temperature"));
            QCOMPARE(Texts(Enabled(dialog)).at(1), QStringLiteral("Conv02 Distance"));
            QCOMPARE(Disabled(dialog)->count(), 0);
        }
        f.AddCustomGroup();
        f.app.settings.WriteInt("Settings", "Conv05", 0);
        CGroupsDlg dialog(f.app.state);
        QCOMPARE(Enabled(dialog)->count(), 15);
        QCOMPARE(Texts(Enabled(dialog)).last(), QStringLiteral("Cust01 Lengths"));
        QCOMPARE(Texts(Disabled(dialog)), QStringList{"Conv05 Area"});
    }

    void disablingTemperatureWritesItsFlagAndTheCount()
    {
        GroupsFixture f;
        CGroupsDlg dialog(f.app.state);
        dialog.show();
        SelectRows(Enabled(dialog), {0});
        SendCommand(dialog, 101);
        QCOMPARE(Texts(Disabled(dialog)), QStringList{"Conv01 Temperature"});
        SendCommand(dialog, 1);
        QCOMPARE(dialog.result(), 1);
        QCOMPARE(f.Setting("Conv01"), 0);
        QCOMPARE(f.Setting("Conv02"), 1);
        QCOMPARE(f.Setting("NumStd"), 14);
        QCOMPARE(f.Setting("NumActCust"), 0);
    }

    void enablingOnlyTheCustomGroup()
    {
        GroupsFixture f;
        f.AddCustomGroup();
        CGroupsDlg dialog(f.app.state);
        dialog.show();
        Enabled(dialog)->selectAll();
        SendCommand(dialog, 101);
        SelectRows(Disabled(dialog), {15});
        SendCommand(dialog, 100);
        QCOMPARE(Texts(Enabled(dialog)), QStringList{"Cust01 Lengths"});
        SendCommand(dialog, 1);
        QCOMPARE(f.Setting("NumStd"), 0);
        QCOMPARE(f.Setting("NumActCust"), 1);
        QCOMPARE(f.Setting("Cust01"), 1);
        QCOMPARE(f.Setting("Conv15"), 0);
    }

    void enableMovesExactlyTheSelectedEntries()
    {
        GroupsFixture f;
        for (const char* key : {"Conv02", "Conv03", "Conv04", "Conv05", "Conv06", "Conv07"})
            f.app.settings.WriteInt("Settings", key, 0);
        CGroupsDlg dialog(f.app.state);
        dialog.show();
        SelectRows(Disabled(dialog), {1, 2, 4});
        SendCommand(dialog, 100);
        QCOMPARE(Texts(Disabled(dialog)), (QStringList{"Conv02 Distance", "Conv05 Area", "Conv07 Power"}));
        QVERIFY(Texts(Enabled(dialog)).contains("Conv03 Mass"));
        QVERIFY(Texts(Enabled(dialog)).contains("Conv06 Angle"));
        QCOMPARE(Enabled(dialog)->count(), 12);
        QVERIFY(Texts(Enabled(dialog)).indexOf("Conv03 Mass") <
                Texts(Enabled(dialog)).indexOf("Conv04 Volume"));
    }

    void cancelWritesNothing()
    {
        GroupsFixture f;
        const int writes = f.app.settings.writeCount;
        CGroupsDlg dialog(f.app.state);
        dialog.show();
        Enabled(dialog)->selectAll();
        SendCommand(dialog, 101);
        SendCommand(dialog, 2);
        QCOMPARE(dialog.result(), CGroupsDlg::kCancelled);
        QCOMPARE(f.app.settings.writeCount, writes);
    }

    void okWithoutEnabledGroupsIsRefused()
    {
        GroupsFixture f;
        CGroupsDlg dialog(f.app.state);
        dialog.show();
        Enabled(dialog)->selectAll();
        SendCommand(dialog, 101);
        const int writes = f.app.settings.writeCount;
        SendCommand(dialog, 1);
        QCOMPARE(f.app.messages.Last()->text, std::string("You must have at least one enabled group."));
        QCOMPARE(f.app.messages.Last()->icon, MessageIcon::Warning);
        QCOMPARE(f.app.messages.beeps.back(), MessageIcon::Warning);
        QVERIFY(dialog.isVisible());
        QCOMPARE(f.app.settings.writeCount, writes);
    }

    void aDragReleasedBeforeItBeginsMovesNothing()
    {
        GroupsFixture f;
        CGroupsDlg dialog(f.app.state);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QWidget* enabled = Enabled(dialog)->viewport();
        const QPoint press = Enabled(dialog)->visualItemRect(Enabled(dialog)->item(1)).center();
        QTest::mousePress(enabled, Qt::LeftButton, {}, press);
        QTest::mouseMove(enabled, press + QPoint(6, 0));
        QTest::mouseRelease(enabled, Qt::LeftButton, {}, press + QPoint(6, 0));
        QCoreApplication::sendPostedEvents();
        QVERIFY(!CDragTracker::Active());
        QTest::mouseClick(Disabled(dialog)->viewport(), Qt::LeftButton, {}, QPoint(20, 10));
        QCOMPARE(Disabled(dialog)->count(), 0);
        QCOMPARE(Enabled(dialog)->count(), 15);
    }

    void droppingMovesTheDraggedEntries()
    {
        GroupsFixture f;
        CGroupsDlg dialog(f.app.state);
        dialog.show();
        SelectRows(Enabled(dialog), {1, 2});
        CStrList dragged = Enabled(dialog)->SelectedTexts();
        QVERIFY(BeginTransfer(*Enabled(dialog), DragMessages().stringListFormat, dragged));
        const auto deliver = [&](CDragListBox* list, int code) {
            CDragMessage message(DragMessages().doDrop);
            message.control = list;
            message.code = code;
            QApplication::sendEvent(&dialog, &message);
        };
        deliver(Disabled(dialog), kDropHere);
        deliver(Enabled(dialog), kDragCompleted);
        QCOMPARE(Texts(Disabled(dialog)), (QStringList{"Conv02 Distance", "Conv03 Mass"}));
        QCOMPARE(Enabled(dialog)->count(), 13);
    }
};

int main(int argc, char** argv)
{
    kalvex::testing::IsolateUserFolders();
    QApplication application(argc, argv);
    kalvex::testing::ModalWatchdog watchdog;
    GroupsDlgTest test;
    const int failures = QTest::qExec(&test, argc, argv);
    return failures + watchdog.caught;
}

#include "groups_dlg_test.moc"
