#include "launcher_fixture.h"

#include "tests/ui/support/isolated_environment.h"
#include "ui/shell/command_ids.h"

#include <QApplication>
#include <QKeySequence>

using namespace kalvex;
using kalvex::testing::LauncherFixture;

namespace {

void ClosePopups()
{
    while (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
}

// Each key of the sequence goes where the keyboard sends it: an open menu, else the focus.
void Press(const QKeySequence& keys)
{
    for (int i = 0; i < keys.count(); ++i) {
        QWidget* target = QApplication::activePopupWidget() ? QApplication::activePopupWidget()
                                                            : QApplication::focusWidget();
        QTest::keyClick(target, keys[i].key(), keys[i].keyboardModifiers());
    }
}

} // namespace

class LauncherKeyboardTest : public QObject {
    Q_OBJECT

private slots:
    void keysReachMenusAndHelp_data()
    {
        QTest::addColumn<int>("selected");
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("openMenu");
        QTest::addColumn<int>("helpTopic");
        const int distanceTopic = kCommandHelpBase + 4104;
        QTest::newRow("Menu key") << 1 << QKeySequence(Qt::Key_Menu) << "launcherContextMenu" << 0;
        QTest::newRow("Shift+F10") << 1 << QKeySequence(Qt::SHIFT | Qt::Key_F10) << "launcherContextMenu"
                                   << 0;
        QTest::newRow("Menu key, no icon") << -1 << QKeySequence(Qt::Key_Menu) << "" << 0;
        QTest::newRow("F10") << 1 << QKeySequence(Qt::Key_F10) << "fileMenu" << 0;
        QTest::newRow("help mode, Enter")
            << 1 << QKeySequence(Qt::SHIFT | Qt::Key_F1, QKeyCombination(Qt::Key_Return)) << ""
            << distanceTopic;
        QTest::newRow("help mode, Space, no icon")
            << -1 << QKeySequence(Qt::SHIFT | Qt::Key_F1, QKeyCombination(Qt::Key_Space)) << ""
            << kResourceHelpBase + kMainFrameResource;
        QTest::newRow("help mode, Enter on a menu item")
            << 1
            << QKeySequence(Qt::SHIFT | Qt::Key_F1, QKeyCombination(Qt::Key_F10),
                            QKeyCombination(Qt::Key_Down), QKeyCombination(Qt::Key_Return))
            << "" << kCommandHelpBase + command::kImportGroup;
    }

    void keysReachMenusAndHelp()
    {
        QFETCH(int, selected);
        QFETCH(QKeySequence, keys);
        QFETCH(QString, openMenu);
        QFETCH(int, helpTopic);
        LauncherFixture f;
        f.Show();
        f.view->setFocus();
        f.view->SelectEntry(selected);
        Press(keys);

        QWidget* popup = QApplication::activePopupWidget();
        QCOMPARE(popup ? popup->objectName() : QString(), openMenu);
        if (openMenu == QLatin1String("launcherContextMenu")) {
            // At the selected icon, with that group's commands.
            const QPoint icon = f.view->viewport()->mapToGlobal(f.IconCentre(selected));
            QCOMPARE(popup->pos(), icon);
            QCOMPARE(static_cast<QMenu*>(popup)->actions().first()->data().toInt(), 4104);
        }
        QCOMPARE(f.app.help.topics, helpTopic ? std::vector<int>{helpTopic} : std::vector<int>{});
        QVERIFY(!QGuiApplication::overrideCursor()); // help mode is over
        QCOMPARE(f.app.dialogs.runs, 0);             // no key acted on the launcher itself
        ClosePopups();
    }
};

int main(int argc, char** argv)
{
    kalvex::testing::IsolateUserFolders();
    QApplication application(argc, argv);
    LauncherKeyboardTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "launcher_keyboard_test.moc"
