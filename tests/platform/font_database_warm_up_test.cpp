// The font list filled on a second thread while the user-interface thread measures text: both
// must see the same fonts, and neither may wait for the other forever.

#include "platform/qt/font_database_warm_up.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QTest>

class FontDatabaseWarmUpTest : public QObject {
    Q_OBJECT
private slots:
    void textIsMeasuredWhileTheListFills()
    {
        int height = 0;
        {
            const kalvex::FontDatabaseWarmUp warmUp;
            // Races the second thread for the font list on purpose.
            height = QFontMetrics(QGuiApplication::font()).height();
        }
        QVERIFY(height > 0);
        const QStringList families = QFontDatabase::families();
        QVERIFY(!families.isEmpty());
        QVERIFY(families.contains(QFontInfo(QGuiApplication::font()).family()));
    }
};

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    FontDatabaseWarmUpTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "font_database_warm_up_test.moc"
