#include "ui/controls/button_artwork.h"

#include <QColor>
#include <QPalette>
#include <array>

namespace kalvex {
namespace {

// How much lighter or darker than the face a shade of the artwork is, in percent.
constexpr int kFaceHighlight = 106;
constexpr int kPressedTop = 112;
constexpr int kPressedBottom = 104;

struct ArtworkColour {
    const char* drawn; // as written in the images
    QColor (*inPalette)(const QPalette&);
};

const std::array<ArtworkColour, 11> kArtworkColours = {{
    {"#fbfbfb", FaceHighlight},
    {"#dcdcdc", [](const QPalette& p) { return p.color(QPalette::Button); }},
    {"#c4c4c4", [](const QPalette& p) { return p.color(QPalette::Button).darker(kPressedTop); }},
    {"#dadada", [](const QPalette& p) { return p.color(QPalette::Button).darker(kPressedBottom); }},
    {"#7a7a7a", [](const QPalette& p) { return p.color(QPalette::Dark); }},
    {"#4d4d4d", [](const QPalette& p) { return p.color(QPalette::Shadow); }},
    {"#9a9a9a", [](const QPalette& p) { return p.color(QPalette::Mid); }},
    {"#2a62c9", [](const QPalette& p) { return p.color(QPalette::Highlight); }},
    {"#000000", [](const QPalette& p) { return p.color(QPalette::ButtonText); }},
    {"#ececec", [](const QPalette& p) { return p.color(QPalette::Button); }},
    {"#b4b4b4", [](const QPalette& p) { return p.color(QPalette::Mid); }},
}};

} // namespace

QColor FaceHighlight(const QPalette& palette)
{
    return palette.color(QPalette::Button).lighter(kFaceHighlight);
}

QByteArray ArtworkInPalette(QByteArray svg, const QPalette& palette)
{
    // Placeholders first, so that a colour put in never matches a colour still to be replaced.
    for (std::size_t i = 0; i < kArtworkColours.size(); ++i)
        svg.replace(kArtworkColours[i].drawn, "@colour" + QByteArray::number(qulonglong(i)) + '@');
    for (std::size_t i = 0; i < kArtworkColours.size(); ++i)
        svg.replace("@colour" + QByteArray::number(qulonglong(i)) + '@',
                    kArtworkColours[i].inPalette(palette).name().toLatin1());
    return svg;
}

} // namespace kalvex
