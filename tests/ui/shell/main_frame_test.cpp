#include "platform/qt/xkb_lock_keys.h"
#include "tests/ui/support/isolated_environment.h"
#include "tests/ui/support/test_app.h"
#include "ui/shell/command_ids.h"
#include "ui/shell/frame_placement.h"
#include "ui/shell/main_frame.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTest>
#include <set>

using namespace kalvex;
using kalvex::testing::TestApp;

namespace {

// Stands in for the launcher: handles the group commands and records what reached it.
class RecordingView final : public QWidget, public ICommandTarget {
public:
    bool OnCommand(int commandId) override
    {
        received.push_back(commandId);
        return true;
    }
    std::optional<bool> CommandState(int commandId) const override
    {
        if ((commandId >= 4103 && commandId <= 4118) || (commandId >= 4153 && commandId <= 4167) ||
            commandId == command::kNewCustom || commandId == command::kGroups)
            return true;
        return std::nullopt;
    }
    std::vector<int> received;
};

// Lock keys as a test sets them; nothing at all stands for a platform that does not tell.
struct SetLockKeys final : ILockKeys {
    std::optional<LockKeyState> Read() override { return state; }
    std::optional<LockKeyState> state;
};

QString PaneText(const CMainFrame& frame, const char* name)
{
    return frame.findChild<QLabel*>(QLatin1String(name))->text();
}

std::vector<int> MenuIds(const QMenu* menu)
{
    std::vector<int> ids;
    for (const QAction* action : menu->actions())
        ids.push_back(action->isSeparator() ? 0 : action->data().toInt());
    return ids;
}

QMenu* TopMenu(CMainFrame& frame, const QString& title)
{
    for (QAction* action : frame.menuBar()->actions())
        if (action->text() == title)
            return action->menu();
    return nullptr;
}

int ReadFrameKey(TestApp& app, const char* key)
{
    return app.settings.ReadInt("Frame", key, -12345);
}

} // namespace

class MainFrameTest : public QObject {
    Q_OBJECT

private slots:
    void captionAndWindowStyle()
    {
        TestApp app;
        CMainFrame frame(app.state);
        frame.SetDocumentTitle(QStringLiteral("Vela v3.52"));
        QCOMPARE(frame.windowTitle(), QStringLiteral("Kalvex! - Vela v3.52"));
        QVERIFY(!(frame.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(frame.windowFlags() & Qt::WindowMinimizeButtonHint);
    }

    void menusCarryTheirTextsAndCommands()
    {
        TestApp app;
        CMainFrame frame(app.state);
        QStringList titles;
        for (QAction* action : frame.menuBar()->actions())
            titles << action->text();
        QCOMPARE(titles, QStringList({"&File", "&Edit", "&View", "&Conversion", "&Help"}));

        QCOMPARE(MenuIds(TopMenu(frame, "&File")), std::vector<int>({103, 0, 3101, 3102, 0, 57665}));
        QCOMPARE(frame.CommandAction(103)->text(), QStringLiteral("&Path...\tF5"));
        QCOMPARE(frame.CommandAction(57665)->text(), QStringLiteral("E&xit\tAlt+F4"));
        QCOMPARE(frame.CommandAction(3007)->text(), QStringLiteral("New &Custom...\tF2"));
        QCOMPARE(frame.CommandAction(3008)->text(), QStringLiteral("&Groups...\tF3"));
        QCOMPARE(frame.CommandAction(59393)->text(), QStringLiteral("&Status Bar\tCtrl+U"));
        QCOMPARE(MenuIds(TopMenu(frame, "&View")), std::vector<int>({3008, 0, 59393}));
        QCOMPARE(MenuIds(TopMenu(frame, "&Help")),
                 std::vector<int>({57666, 4203, 4204, 4205, 0, 4206, 4202, 4207, 0, 57668, 0, 57664}));
        QCOMPARE(frame.CommandAction(4207)->text(), QStringLiteral("&Glossary"));

        const QMenu* edit = TopMenu(frame, "&Edit");
        QCOMPARE(edit->actions().size(), 7);
        QCOMPARE(edit->actions()[1]->data().toInt(), 3103);
        QCOMPARE(edit->actions()[2]->menu(), frame.UnitsMenu());
        QCOMPARE(edit->actions()[3]->menu(), frame.FactorsMenu());
        QVERIFY(edit->actions()[4]->isSeparator());
        QCOMPARE(edit->actions()[5], frame.CommandAction(3009));
        QCOMPARE(edit->actions()[6], frame.CommandAction(3010));
        QCOMPARE(frame.CommandAction(3010)->text(), QStringLiteral("Update &Exchange Rates..."));
        QCOMPARE(frame.UnitsMenu()->menuAction()->text(), QStringLiteral("&Units"));
        QCOMPARE(frame.FactorsMenu()->menuAction()->text(), QStringLiteral("&Factors"));
        QCOMPARE(TopMenu(frame, "&Conversion"), frame.ConversionMenu());

        // Until the launcher lists the enabled groups, every group is there.
        std::vector<int> conversion, units, factors;
        for (int i = 0; i <= 15; ++i) {
            conversion.push_back(4103 + i);
            if (i > 0) {
                units.push_back(4152 + i);
                factors.push_back(4252 + i);
            }
        }
        QCOMPARE(MenuIds(frame.ConversionMenu()), conversion);
        QCOMPARE(MenuIds(frame.UnitsMenu()), units);
        QCOMPARE(MenuIds(frame.FactorsMenu()), factors);
        QCOMPARE(frame.CommandAction(4108)->text(), QStringLiteral("A&ngle"));
    }

    void commandsWithoutHandlerAreDisabled()
    {
        TestApp app;
        CMainFrame frame(app.state);
        QVERIFY(!frame.IsCommandEnabled(4104));
        QVERIFY(!frame.CommandAction(4104)->isEnabled());
        QVERIFY(!frame.CommandAction(103)->isEnabled()); // the application handles Path
        QVERIFY(frame.CommandAction(57665)->isEnabled());

        RecordingView* view = new RecordingView;
        frame.SetView(view, view);
        QVERIFY(frame.CommandAction(4104)->isEnabled());
        frame.CommandAction(4104)->trigger();
        QCOMPARE(view->received, std::vector<int>({4104}));
    }

    void groupShortcutsWinOverMenuMnemonics()
    {
        TestApp app;
        CMainFrame frame(app.state);
        auto* view = new RecordingView;
        frame.SetView(view, view);
        frame.show();
        QVERIFY(QTest::qWaitForWindowActive(&frame));

        for (Qt::Key key : {Qt::Key_F, Qt::Key_E, Qt::Key_V, Qt::Key_C})
            QTest::keyClick(&frame, key, Qt::AltModifier);
        QVERIFY(!QApplication::activePopupWidget());
        QCOMPARE(view->received, std::vector<int>({4113, 4110, 4106, 4117}));

        // A mnemonic no shortcut claims still opens its menu.
        QTest::keyClick(&frame, Qt::Key_H, Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QApplication::activePopupWidget()->close();
    }

    void everyShortcutOfTheTableReachesItsCommand()
    {
        TestApp app;
        CMainFrame frame(app.state);
        auto* view = new RecordingView;
        frame.SetView(view, view);
        frame.show();
        QVERIFY(QTest::qWaitForWindowActive(&frame));

        const char letters[] = "TDMVANPERIFSLOC";
        std::vector<int> expected;
        for (int i = 0; i < 15; ++i) {
            const Qt::Key key = Qt::Key(Qt::Key_A + (letters[i] - 'A'));
            QTest::keyClick(&frame, key, Qt::AltModifier);
            expected.push_back(4103 + i);
            if (letters[i] != 'T' && letters[i] != 'A') {
                QTest::keyClick(&frame, key);
                expected.push_back(4152 + i);
            }
        }
        QTest::keyClick(&frame, Qt::Key_F2);
        expected.push_back(3007);
        QTest::keyClick(&frame, Qt::Key_F3);
        expected.push_back(3008);
        QCOMPARE(view->received, expected);

        // Shift+letter is not a shortcut.
        QTest::keyClick(&frame, Qt::Key_D, Qt::ShiftModifier);
        QCOMPARE(view->received.size(), expected.size());

        QTest::keyClick(&frame, Qt::Key_U, Qt::ControlModifier);
        QVERIFY(frame.statusBar()->isHidden());
        QVERIFY(!frame.CommandAction(59393)->isChecked());
        QTest::keyClick(&frame, Qt::Key_U, Qt::ControlModifier);
        QVERIFY(!frame.statusBar()->isHidden());

        QTest::keyClick(&frame, Qt::Key_F1);
        QCOMPARE(app.help.topics, std::vector<int>({0x20000 + 128}));
    }

    void statusPrompts()
    {
        TestApp app;
        app.state.m_groupNames[1] = "distance";
        app.state.m_groupNames[2] = "mass";
        app.state.m_groupPrompts[1] = "meters, feet, miles...";
        CMainFrame frame(app.state);

        QCOMPARE(frame.PromptFor(4153), QStringLiteral("Change the distance units"));
        QCOMPARE(frame.PromptFor(4254), QStringLiteral("Change the mass factors"));
        QCOMPARE(frame.PromptFor(4354), QStringLiteral("Disable the mass group"));
        QCOMPARE(frame.PromptFor(4104), QStringLiteral("meters, feet, miles..."));
        QCOMPARE(frame.PromptFor(4103), QStringLiteral("fahrenheit, celsius, kelvin..."));
        QCOMPARE(frame.PromptFor(103), QStringLiteral("Change the factor file search path"));
        QCOMPARE(frame.PromptFor(3007), QStringLiteral("Add a new custom conversion group"));
        QCOMPARE(frame.PromptFor(3008), QStringLiteral("Turn conversion groups on and off."));
        QCOMPARE(frame.PromptFor(57665), QStringLiteral("Quit the application"));
        QCOMPARE(frame.PromptFor(57666), QStringLiteral("List Help topics"));
        QCOMPARE(frame.PromptFor(57668), QStringLiteral("Display instructions about how to use help"));
        QCOMPARE(frame.PromptFor(59393), QStringLiteral("Show or hide the status bar"));
        QCOMPARE(frame.PromptFor(4202), QStringLiteral("Tables of conversion units"));
        QCOMPARE(frame.PromptFor(4207), QStringLiteral("Glossary of terms used in Kalvex!"));

        QCOMPARE(frame.statusBar()->currentMessage(),
                 QStringLiteral("Kalvex! Vela 3.5 -- For Help, press F1"));
        // Highlighting a menu item shows its prompt and makes it the context for F1.
        frame.CommandAction(4153)->hover();
        QCOMPARE(frame.statusBar()->currentMessage(), QStringLiteral("Change the distance units"));
        QCOMPARE(frame.LastPromptedCommand(), 4153);
        // An item of a popup the launcher builds prompts the same way.
        QMenu popup(&frame);
        frame.AddCommandAction(&popup, QStringLiteral("Disable"), 4353)->hover();
        QCOMPARE(frame.statusBar()->currentMessage(), QStringLiteral("Disable the distance group"));
        frame.ShowCommandPrompt(0);
        QCOMPARE(frame.statusBar()->currentMessage(), QString());
    }

    void submenuItemsPromptNothingAndF1ThereGivesNoStaleHelp()
    {
        TestApp app;
        CMainFrame frame(app.state);
        frame.show();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        QMenu* edit = TopMenu(frame, QStringLiteral("&Edit"));
        edit->popup(frame.mapToGlobal(QPoint(10, 10)));
        QTRY_VERIFY(edit->isVisible());
        for (QMenu* submenu : {frame.UnitsMenu(), frame.FactorsMenu()}) {
            frame.CommandAction(command::kNewCustom)->hover();
            QCOMPARE(frame.LastPromptedCommand(), command::kNewCustom);
            edit->setActiveAction(submenu->menuAction());
            QCOMPARE(frame.LastPromptedCommand(), 0);
            QCOMPARE(frame.statusBar()->currentMessage(), QString());
        }
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_F1);
        QCOMPARE(app.help.topics, std::vector<int>{kResourceHelpBase + kMainFrameResource});
    }

    void lockKeyPanesFollowThePlatformAndStayBlankWhereItDoesNotTell()
    {
        SetLockKeys keys;
        keys.state = LockKeyState{true, false, true};
        TestApp app;
        app.state.services.lockKeys = &keys;
        CMainFrame frame(app.state);
        QCOMPARE(PaneText(frame, "capsLockPane"), QStringLiteral("CAP"));
        QCOMPARE(PaneText(frame, "numLockPane"), QString());
        QCOMPARE(PaneText(frame, "scrollLockPane"), QStringLiteral("SCRL"));
        keys.state = LockKeyState{false, true, false};
        QTRY_COMPARE(PaneText(frame, "numLockPane"), QStringLiteral("NUM"));
        QCOMPARE(PaneText(frame, "capsLockPane"), QString());

        SetLockKeys silent;
        app.state.services.lockKeys = &silent;
        CMainFrame blank(app.state);
        for (const char* pane : {"capsLockPane", "numLockPane", "scrollLockPane"})
            QCOMPARE(PaneText(blank, pane), QString());
        // The offscreen platform, like Wayland, tells no lock key state.
        QVERIFY(!XkbLockKeys().Read());
    }

    void placementIsClampedToTheDesktop_data()
    {
        QTest::addColumn<QList<int>>("stored"); // left, top, right, bottom
        QTest::addColumn<QList<int>>("expected");
        QTest::newRow("past the right edge")
            << QList<int>{900, 10, 1300, 300} << QList<int>{624, 10, 1024, 300};
        QTest::newRow("wider than the desktop") << QList<int>{0, 0, 1400, 300} << QList<int>{0, 0, 1024, 300};
        QTest::newRow("past the bottom edge")
            << QList<int>{10, 700, 200, 900} << QList<int>{10, 568, 200, 768};
        QTest::newRow("negative left kept") << QList<int>{-20, -5, 300, 200} << QList<int>{-20, -5, 300, 200};
        QTest::newRow("zero width ignored") << QList<int>{100, 100, 100, 300} << QList<int>{};
        QTest::newRow("nothing stored") << QList<int>{0, 0, 0, 0} << QList<int>{};
    }

    void placementIsClampedToTheDesktop()
    {
        QFETCH(QList<int>, stored);
        QFETCH(QList<int>, expected);
        const auto result = ClampPlacement({stored[0], stored[1], stored[2], stored[3]}, 1024, 768);
        QCOMPARE(result.has_value(), !expected.isEmpty());
        if (result)
            QCOMPARE((QList<int>{result->left, result->top, result->right, result->bottom}), expected);
    }

    void restoredGeometryFitsTheDesktop_data()
    {
        QTest::addColumn<QList<int>>("stored"); // left, top, right, bottom
        QTest::addColumn<QRect>("desktop");
        QTest::addColumn<QRect>("expected");
        const QRect desktop(0, 0, 1024, 768);
        QTest::newRow("moved back") << QList<int>{900, 10, 1300, 300} << desktop << QRect(624, 10, 400, 290);
        QTest::newRow("far left edge keeps the right one")
            << QList<int>{-5000, 0, 560, 400} << desktop << QRect(-464, 0, 1024, 400);
        QTest::newRow("far top edge keeps the bottom one")
            << QList<int>{0, -9000, 300, 500} << desktop << QRect(0, -268, 300, 768);
        QTest::newRow("screen left of the primary")
            << QList<int>{-1200, 100, -200, 600} << QRect(-1280, 0, 2304, 1024)
            << QRect(-1200, 100, 1000, 500);
        QTest::newRow("nothing stored") << QList<int>{0, 0, 0, 0} << desktop << QRect();
    }

    void restoredGeometryFitsTheDesktop()
    {
        QFETCH(QList<int>, stored);
        QFETCH(QRect, desktop);
        QFETCH(QRect, expected);
        const std::optional<QRect> geometry =
            RestoredGeometry({stored[0], stored[1], stored[2], stored[3]}, desktop);
        QCOMPARE(geometry.has_value(), !expected.isNull());
        QCOMPARE(geometry.value_or(QRect()), expected);
    }

    void placementIsRestoredAndSaved()
    {
        TestApp app;
        const QRect desktop = QGuiApplication::primaryScreen()->virtualGeometry();
        const int right = desktop.x() + desktop.width();
        app.settings.WriteInt("Frame", "Left", right - 100);
        app.settings.WriteInt("Frame", "Right", right + 300);
        app.settings.WriteInt("Frame", "Top", 20);
        app.settings.WriteInt("Frame", "Bottom", 320);
        CMainFrame frame(app.state);
        QCOMPARE(frame.geometry(), QRect(right - 400, 20, 400, 300));

        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        frame.setGeometry(30, 40, 350, 250);
        frame.close();
        QCOMPARE(ReadFrameKey(app, "Status"), 1);
        QCOMPARE(ReadFrameKey(app, "Left"), 30);
        QCOMPARE(ReadFrameKey(app, "Top"), 40);
        QCOMPARE(ReadFrameKey(app, "Right"), 380);
        QCOMPARE(ReadFrameKey(app, "Bottom"), 290);
    }

    void closingMinimizedKeepsThePreviousRectangle()
    {
        TestApp app;
        app.settings.WriteInt("Frame", "Left", 5);
        app.settings.WriteInt("Frame", "Right", 305);
        app.settings.WriteInt("Frame", "Top", 6);
        app.settings.WriteInt("Frame", "Bottom", 206);
        CMainFrame frame(app.state);
        frame.showMinimized();
        frame.setGeometry(50, 50, 100, 100);
        frame.close();
        QCOMPARE(ReadFrameKey(app, "Status"), 2);
        QCOMPARE(ReadFrameKey(app, "Left"), 5);
        QCOMPARE(ReadFrameKey(app, "Right"), 305);
    }

    void helpMenuAndContextHelpMode()
    {
        TestApp app;
        CMainFrame frame(app.state);
        frame.show();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        frame.CommandAction(57666)->trigger();
        frame.CommandAction(57668)->trigger();
        QCOMPARE(app.help.topics, std::vector<int>({-1, -2}));

        // Shift+F1, then a click on a window with a topic of its own.
        auto* view = new QWidget;
        view->setProperty("helpId", 65536 + 4105);
        frame.SetView(view, nullptr);
        QTest::keyClick(&frame, Qt::Key_F1, Qt::ShiftModifier);
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WhatsThisCursor);
        QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(app.help.topics.back(), 65536 + 4105);
        QVERIFY(!QGuiApplication::overrideCursor());
    }
};

int main(int argc, char** argv)
{
    kalvex::testing::IsolateUserFolders();
    QApplication application(argc, argv);
    MainFrameTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "main_frame_test.moc"
