#include "ui/shell/program_images.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>

#include <cmath>

namespace kalvex {
namespace {

const QString kSplashVector = QStringLiteral(":/images/splash_131.svg");
const QString kSplashPrerendered = QStringLiteral(":/images/splash_131@%1x.png");
// The sizes X11 window managers are given for a scalable icon.
constexpr int kWindowIconSides[] = {16, 32, 64, 128};
constexpr int kLargestPrerenderedScale = 3;

// Reads one of the program's own PNGs as PNG: guessing the format would first load every
// image format plugin installed, which costs more than reading the picture.
void ReadAsPng(QImageReader& reader)
{
    reader.setFormat("PNG");
    reader.setAutoDetectImageFormat(false);
}

// The picture drawn at build time for exactly this size (any size when size is empty) and
// scale; null when there is none.
QImage Prerendered(const QString& prerendered, QSize size, qreal devicePixelRatio)
{
    const int scale = static_cast<int>(std::lround(devicePixelRatio));
    if (scale < 1 || scale > kLargestPrerenderedScale || scale != devicePixelRatio)
        return {};
    const QString path = prerendered.arg(scale);
    if (!QFile::exists(path))
        return {};
    QImageReader reader(path);
    ReadAsPng(reader);
    QImage image = reader.read();
    if (image.isNull() || (!size.isEmpty() && image.size() != size * scale))
        return {};
    image.setDevicePixelRatio(scale);
    return image;
}

QPixmap RenderVector(QSvgRenderer& renderer, QSize size, qreal devicePixelRatio)
{
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

} // namespace

QIcon ProgramIcon()
{
    return QIcon(QStringLiteral(":/images/kalvex.svg"));
}

QIcon ProgramWindowIcon()
{
    QIcon icon;
    for (int side : kWindowIconSides)
        icon.addFile(QStringLiteral(":/images/kalvex-%1@1x.png").arg(side), QSize(side, side));
    return icon;
}

QPixmap DrawnImage(const QString& svgPath, const QString& prerendered, QSize size, qreal devicePixelRatio)
{
    QImage image = Prerendered(prerendered, size, devicePixelRatio);
    if (!image.isNull())
        return QPixmap::fromImage(std::move(image));
    QSvgRenderer renderer(svgPath);
    return renderer.isValid() ? RenderVector(renderer, size, devicePixelRatio) : QPixmap();
}

QPixmap SplashImage(qreal devicePixelRatio)
{
    QImage image = Prerendered(kSplashPrerendered, QSize(), devicePixelRatio);
    if (!image.isNull())
        return QPixmap::fromImage(std::move(image));
    // The picture's own size is that of the one drawn at scale 1 (read from its header).
    QImageReader reader(kSplashPrerendered.arg(1));
    ReadAsPng(reader);
    QSize size = reader.size();
    if (!size.isValid())
        size = QSvgRenderer(kSplashVector).defaultSize();
    return DrawnImage(kSplashVector, kSplashPrerendered, size, devicePixelRatio);
}

} // namespace kalvex
