// Build step: draws a vector image into a PNG at a given pixel size, so the program can show
// its start-up pictures without rendering vectors before its window appears.
//   kalvex_svg_to_png <image.svg> <out.png> <scale>        the image's own size times scale
//   kalvex_svg_to_png <image.svg> <out.png> <scale> <side>  a square of side x scale pixels

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>
#include <cstdlib>

namespace {

bool IsOpaque(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) != 255)
                return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 4 && argc != 5) {
        std::fputs("usage: kalvex_svg_to_png <image.svg> <out.png> <scale> [side]\n", stderr);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen"); // no display at build time
    QGuiApplication application(argc, argv);
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    const int scale = std::atoi(argv[3]);
    if (!renderer.isValid() || scale < 1) {
        std::fprintf(stderr, "kalvex_svg_to_png: cannot draw %s\n", argv[1]);
        return 1;
    }
    const QSize logical = argc == 5 ? QSize(std::atoi(argv[4]), std::atoi(argv[4])) : renderer.defaultSize();
    // The same steps as drawing the vector at run time on a screen of this scale.
    QImage image(logical * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(logical)));
    }
    // An opaque picture is stored without alpha: it then loads straight into the screen's
    // format, with no conversion at start-up.
    if (IsOpaque(image))
        image = image.convertToFormat(QImage::Format_RGB32);
    if (!image.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "kalvex_svg_to_png: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
