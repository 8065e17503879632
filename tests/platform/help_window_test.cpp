#include "platform/qt/help_window.h"
#include "platform/qt/qt_help_service.h"

#include <QAccessible>
#include <QApplication>
#include <QListWidget>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>

using namespace kalvex;

// The help window as a keyboard user reads it: opened through the help service, topic after
// topic shown as the selection moves in the topic list, closed with Escape.
class HelpWindowTest : public QObject {
    Q_OBJECT

private slots:
    void topicListKeysShowTopicsAndEscapeCloses()
    {
        QtHelpService help;
        // A page reached at an anchor: the list follows it without showing the page again, so
        // the anchor stays and Back has no page behind it that the user never chose.
        help.ShowTopic(1210);
        HelpWindow* window = help.Window();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QCOMPARE(window->CurrentPage(), QStringLiteral("conversion_window.html#chosen"));
        QCOMPARE(window->findChild<QTextBrowser*>(QStringLiteral("pageView"))->backwardHistoryCount(), 0);
        auto* topics = window->findChild<QListWidget*>(QStringLiteral("topicList"));
        const auto pageOf = [topics](int row) { return topics->item(row)->data(Qt::UserRole).toString(); };
        QCOMPARE(pageOf(topics->currentRow()), QStringLiteral("conversion_window.html"));

        help.ShowContents();
        QCOMPARE(QApplication::focusWidget(), topics);
        const int last = topics->count() - 1;
        const struct {
            Qt::Key key;
            int row;
        } steps[] = {{Qt::Key_Down, 1}, {Qt::Key_End, last}, {Qt::Key_Up, last - 1}, {Qt::Key_Home, 0}};
        for (const auto& step : steps) {
            QTest::keyClick(topics, step.key);
            QCOMPARE(topics->currentRow(), step.row);
            QCOMPARE(window->CurrentPage(), pageOf(step.row));
        }
        QTest::keyClick(topics, Qt::Key_PageDown);
        QVERIFY(topics->currentRow() > 1);
        QCOMPARE(window->CurrentPage(), pageOf(topics->currentRow()));

        QTest::keyClick(topics, Qt::Key_Escape);
        QTRY_VERIFY(!help.Window());
    }

    // What assistive tools meet: a window named by its title, and pages whose table cells are
    // plain text at the offsets of the page itself, so reading and selecting there agree.
    void assistiveToolsReadAWindowAndPlainTableText()
    {
        QtHelpService help;
        help.ShowContents();
        HelpWindow* window = help.Window();
        window->ShowPage(QStringLiteral("keyboard.html"));
        QAccessibleInterface* top = QAccessible::queryAccessibleInterface(window);
        QCOMPARE(top->role(), QAccessible::Window);
        QCOMPARE(top->text(QAccessible::Name), window->windowTitle());

        auto* page = window->findChild<QTextBrowser*>(QStringLiteral("pageView"));
        QAccessibleTextInterface* text = QAccessible::queryAccessibleInterface(page)->textInterface();
        QVERIFY(text);
        const QString all = text->text(0, text->characterCount());
        QVERIFY(all.contains(QStringLiteral("Distance\nAlt+D\nD\n")));
        QVERIFY(!all.contains(QChar(0xFDD0)) && !all.contains(QChar(0xFDD1)));
        const QTextCursor cell = page->document()->find(QStringLiteral("Alt+D"));
        QCOMPARE(text->text(cell.selectionStart(), cell.selectionEnd()), QStringLiteral("Alt+D"));
        text->setSelection(0, cell.selectionStart(), cell.selectionEnd());
        QCOMPARE(page->textCursor().selectedText(), QStringLiteral("Alt+D"));
    }
};

QTEST_MAIN(HelpWindowTest)
#include "help_window_test.moc"
