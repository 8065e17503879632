// The pictures drawn at build time must look like the vectors they stand for, at each scale
// they are chosen for; other sizes and scales still come from the vectors.

#include "ui/shell/launcher_icons.h"
#include "ui/shell/program_images.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QTest>

#include <algorithm>
#include <cstdlib>

using namespace kalvex;

namespace {

// Largest difference of one colour channel between two images of the same size.
int LargestChannelDifference(const QImage& a, const QImage& b)
{
    const QImage left = a.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage right = b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    int largest = 0;
    for (int y = 0; y < left.height(); ++y) {
        for (int x = 0; x < left.width(); ++x) {
            const QRgb p = left.pixel(x, y);
            const QRgb q = right.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
        }
    }
    return largest;
}

// The same image drawn from the vector alone (no PNG has this stem).
QPixmap FromVector(const QString& svgPath, QSize size, qreal scale)
{
    return DrawnImage(svgPath, QStringLiteral(":/none/none@%1x.png"), size, scale);
}

} // namespace

class ProgramImagesTest : public QObject {
    Q_OBJECT
private slots:
    void startUpPicturesAreDrawnAtBuildTime()
    {
        // Without them start-up would render every picture from its vector again.
        for (int scale = 1; scale <= 3; ++scale) {
            QVERIFY(QFile::exists(QStringLiteral(":/images/splash_131@%1x.png").arg(scale)));
            for (int i = 0; i <= 15; ++i) {
                QString name = GroupIconPath(i).mid(QStringLiteral(":/icons/").size());
                name.chop(QStringLiteral(".svg").size());
                QVERIFY2(QFile::exists(QStringLiteral(":/icons/%1-32@%2x.png").arg(name).arg(scale)),
                         qPrintable(name));
            }
        }
    }

    void groupIconsMatchTheirVectorsAtEachScale()
    {
        for (int scale = 1; scale <= 3; ++scale) {
            for (int i = 0; i <= 15; ++i) {
                const QPixmap icon = RenderGroupIcon(i, QSize(32, 32), scale);
                QCOMPARE(icon.size(), QSize(32, 32) * scale);
                QCOMPARE(icon.devicePixelRatio(), qreal(scale));
                const QPixmap vector = FromVector(GroupIconPath(i), QSize(32, 32), scale);
                QVERIFY2(LargestChannelDifference(icon.toImage(), vector.toImage()) <= 2,
                         qPrintable(GroupIconPath(i)));
            }
        }
    }

    void otherSizesAndScalesAreDrawnFromTheVector()
    {
        const QPixmap fractional = RenderGroupIcon(1, QSize(32, 32), 1.5);
        QCOMPARE(fractional.size(), QSize(48, 48));
        QCOMPARE(fractional.toImage(), FromVector(GroupIconPath(1), QSize(32, 32), 1.5).toImage());
        const QPixmap larger = RenderGroupIcon(1, QSize(48, 48), 1.0);
        QCOMPARE(larger.size(), QSize(48, 48));
        QVERIFY(larger.toImage().pixelColor(24, 24).alpha() > 0);
    }

    void splashKeepsItsSizeAtEveryScale()
    {
        const QPixmap one = SplashImage(1.0);
        QCOMPARE(one.size(), QSize(420, 240));
        for (qreal scale : {2.0, 3.0, 1.25}) {
            const QPixmap scaled = SplashImage(scale);
            QCOMPARE(scaled.deviceIndependentSize().toSize(), QSize(420, 240));
            QCOMPARE(scaled.devicePixelRatio(), scale);
        }
        const QPixmap two = SplashImage(2.0);
        QVERIFY(LargestChannelDifference(
                    two.toImage(),
                    FromVector(QStringLiteral(":/images/splash_131.svg"), QSize(420, 240), 2.0).toImage()) <=
                2);
    }

    void windowIconOffersTheDesktopSizes()
    {
        const QIcon icon = ProgramWindowIcon();
        const QList<QSize> sizes = icon.availableSizes();
        for (int side : {16, 32, 64, 128})
            QVERIFY2(sizes.contains(QSize(side, side)), qPrintable(QString::number(side)));
        const QImage large = icon.pixmap(QSize(128, 128), 1.0).toImage();
        QCOMPARE(large.size(), QSize(128, 128));
        QVERIFY(large.pixelColor(64, 64).alpha() > 0);
    }
};

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    ProgramImagesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "program_images_test.moc"
