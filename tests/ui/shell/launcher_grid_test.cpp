#include "ui/shell/launcher_grid.h"
#include "ui/shell/launcher_label.h"

#include <QApplication>
#include <QFontMetrics>
#include <QTest>

#include <climits>

using kalvex::LauncherGrid;
using kalvex::LauncherKey;

Q_DECLARE_METATYPE(LauncherKey)

// The grid of a 200-pixel view with 32-pixel icons and 15 groups: 3 columns, 5 rows.
class LauncherGridTest : public QObject {
    Q_OBJECT

    static constexpr int kTextHeight = 13;
    static LauncherGrid Example(int count = 15)
    {
        return LauncherGrid(QSize(32, 32), kTextHeight, 200, count);
    }

private slots:
    void layoutOfTheExample()
    {
        const LauncherGrid grid = Example();
        QCOMPARE(grid.Columns(), 3);
        QCOMPARE(grid.Rows(), 5);
        QCOMPARE(grid.LayoutSize(), QSize(224, 352));
        QCOMPARE(grid.IconOrigin(0), QPoint(32, 16));
        QCOMPARE(grid.IconOrigin(4), QPoint(96, 80));
        QCOMPARE(grid.LabelBox(0), QRect(16, 48, 64, 2 * kTextHeight));
    }

    void narrowViewStillHasOneColumn()
    {
        const LauncherGrid grid(QSize(32, 32), kTextHeight, 40, 15);
        QCOMPARE(grid.Columns(), 1);
        QCOMPARE(grid.Rows(), 15);
        QCOMPARE(LauncherGrid(QSize(32, 32), kTextHeight, 0, 4).Columns(), 1);
    }

    void rowsOfAHugeCountDoNotOverflow()
    {
        QCOMPARE(LauncherGrid::RowsFor(INT_MAX, 3), INT_MAX / 3 + 1);
        QCOMPARE(LauncherGrid::RowsFor(INT_MAX, 1), INT_MAX);
    }

    void hitTest_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<int>("entry");
        QTest::newRow("on the first icon") << QPoint(40, 20) << 0;
        QTest::newRow("on the third icon of row two") << QPoint(170, 90) << 5;
        QTest::newRow("gap left of the first icon") << QPoint(10, 20) << -1;
        QTest::newRow("gap between two icons") << QPoint(70, 20) << -1;
        QTest::newRow("upper label band under icon 0") << QPoint(40, 64 + kTextHeight) << 0;
        QTest::newRow("lower label band under icon 0") << QPoint(40, 64 + kTextHeight + 1) << -1;
        QTest::newRow("above the first row") << QPoint(40, 10) << -1;
        QTest::newRow("below the last row") << QPoint(40, 340) << -1;
        QTest::newRow("right of the grid in a wider view") << QPoint(230, 20) << -1;
    }

    void hitTest()
    {
        QFETCH(QPoint, point);
        QFETCH(int, entry);
        QCOMPARE(Example().HitTest(point), entry);
    }

    void hitTestSkipsEmptyCellsOfTheLastRow()
    {
        const LauncherGrid grid = Example(13);
        QCOMPARE(grid.HitTest(QPoint(32 + 5, 272 + 5)), 12);
        QCOMPARE(grid.HitTest(QPoint(96 + 5, 272 + 5)), -1);
    }

    void navigate_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<LauncherKey>("key");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::newRow("right wraps from the last to the first") << 15 << LauncherKey::Right << 14 << 0;
        QTest::newRow("left wraps from the first to the last") << 15 << LauncherKey::Left << 0 << 14;
        QTest::newRow("down from the bottom row to the top") << 15 << LauncherKey::Down << 13 << 1;
        QTest::newRow("down into an empty cell goes to the top") << 14 << LauncherKey::Down << 11 << 2;
        QTest::newRow("up from the top row to the last row") << 15 << LauncherKey::Up << 1 << 13;
        QTest::newRow("up to an empty cell takes the row above") << 14 << LauncherKey::Up << 2 << 11;
        QTest::newRow("home") << 15 << LauncherKey::Home << 7 << 0;
        QTest::newRow("end") << 15 << LauncherKey::End << 7 << 14;
        QTest::newRow("right with no selection") << 15 << LauncherKey::Right << -1 << 0;
        QTest::newRow("left with no selection") << 15 << LauncherKey::Left << -1 << 14;
        QTest::newRow("up with no selection") << 15 << LauncherKey::Up << -1 << 11;
        QTest::newRow("down with no selection") << 15 << LauncherKey::Down << -1 << 2;
        QTest::newRow("nothing to select") << 0 << LauncherKey::Home << -1 << -1;
    }

    void navigate()
    {
        QFETCH(int, count);
        QFETCH(LauncherKey, key);
        QFETCH(int, from);
        QFETCH(int, to);
        QCOMPARE(Example(count).Navigate(key, from), to);
    }

    void longNameIsShortenedWithDots()
    {
        const QFontMetrics metrics(QApplication::font());
        const QRect box(0, 0, 64, 2 * metrics.height());
        QCOMPARE(kalvex::FitLabel(metrics, box, QStringLiteral("Mass")), QStringLiteral("Mass"));
        const QString fitted =
            kalvex::FitLabel(metrics, box, QStringLiteral("Extraordinarilylongunitgroupname"));
        QVERIFY(fitted.endsWith(QStringLiteral("...")));
        QVERIFY(QStringLiteral("Extraordinarilylongunitgroupname").startsWith(fitted.chopped(3)));
        QCOMPARE(kalvex::FitLabel(metrics, QRect(0, 0, 1, 1), QStringLiteral("Mass")), QStringLiteral("..."));
    }
};

QTEST_MAIN(LauncherGridTest)
#include "launcher_grid_test.moc"
