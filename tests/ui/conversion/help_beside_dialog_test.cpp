#include "core/group_ids.h"
#include "platform/qt/exec_dialog_runner.h"
#include "platform/qt/help_window.h"
#include "platform/qt/qt_help_service.h"
#include "storage/factor_file.h"
#include "tests/support/real_disk.h"
#include "tests/ui/conversion/test_groups.h"
#include "tests/ui/support/isolated_environment.h"
#include "tests/ui/support/test_app.h"
#include "ui/controls/control_id.h"
#include "ui/conversion/conversion_dlg.h"
#include "ui/shell/factor_editor.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace kalvex;
using namespace kalvex::testing;

// The help window opened from a conversion window must take the user's input while that window
// runs its own modal loop: the real dialog runner, the real help service, input through the
// window system as a user's clicks arrive.
class HelpBesideDialogTest : public QObject {
    Q_OBJECT

private slots:
    void helpTakesInputWhileAConversionWindowIsOpen()
    {
        TestApp t;
        QtHelpService help;
        t.state.services.help = &help;
        QVERIFY(SaveFactorFile(CConversion(DistanceGroup()),
                               FactorFileName(t.state.m_factorPath, kDistanceId), RealDisk()));
        QVERIFY(t.current.Load(kDistanceId));

        QWidget owner;
        owner.resize(400, 300);
        auto* ownerButton = new QPushButton(QStringLiteral("Open"), &owner);
        int ownerClicks = 0;
        connect(ownerButton, &QPushButton::clicked, &owner, [&] { ++ownerClicks; });
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        CConversionDlg dialog(t.state, t.current, kDistanceId, GroupFactorEditor(t.state, t.current), &owner);
        ExecDialogRunner runner;

        bool helpOpened = false;
        bool helpActivated = false;
        QString pageBefore;
        QString pageAfterClick;
        QTimer::singleShot(0, &dialog, [&] {
            QTest::mouseClick(FindControl<QPushButton>(dialog, 710), Qt::LeftButton);
            HelpWindow* window = help.Window();
            helpOpened = window && QTest::qWaitForWindowExposed(window);
            if (!helpOpened)
                return dialog.done(0);
            window->activateWindow();
            helpActivated = QTest::qWaitForWindowActive(window, 2000);
            pageBefore = window->CurrentPage();
            auto* topics = window->findChild<QListWidget*>(QStringLiteral("topicList"));
            const QRect item = topics->visualItemRect(topics->item(2));
            const QPoint inWindow = topics->viewport()->mapTo(window, item.center());
            QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, inWindow);
            pageAfterClick = window->CurrentPage();
            // The window that opened the dialog stays out of reach while the dialog runs.
            QTest::mouseClick(owner.windowHandle(), Qt::LeftButton, {}, ownerButton->geometry().center());
            dialog.done(0);
        });
        runner.Run(dialog);

        QVERIFY(helpOpened);
        QVERIFY(helpActivated);
        QCOMPARE(pageBefore, QStringLiteral("conversion_window.html#chosen"));
        QVERIFY2(pageAfterClick != pageBefore, qPrintable(pageAfterClick));
        QCOMPARE(ownerClicks, 0);
        QTest::mouseClick(owner.windowHandle(), Qt::LeftButton, {}, ownerButton->geometry().center());
        QCOMPARE(ownerClicks, 1);
    }
};

int main(int argc, char** argv)
{
    IsolateUserFolders();
    QApplication app(argc, argv);
    HelpBesideDialogTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "help_beside_dialog_test.moc"
