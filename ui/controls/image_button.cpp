#include "ui/controls/image_button.h"

#include "ui/controls/button_artwork.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

namespace kalvex {
namespace {

constexpr int kNormalOffset = 1000;
constexpr int kPressedOffset = 3000;
constexpr int kFocusedOffset = 5000;
constexpr QSize kFallbackSize(72, 24);
// Room the face keeps on each side of its caption.
constexpr QSize kCaptionMargin(4, 4);

} // namespace

CImageButton::CImageButton(int imageBase, const QString& text, QWidget* parent) : QPushButton(text, parent)
{
    setAutoDefault(false);
    setDefault(false);
    SetImageBase(imageBase);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

std::unique_ptr<QSvgRenderer> CImageButton::LoadImage(int number) const
{
    QFile file(QStringLiteral(":/buttons/%1.svg").arg(number));
    if (number == 0 || !file.open(QIODevice::ReadOnly))
        return nullptr;
    auto renderer = std::make_unique<QSvgRenderer>(ArtworkInPalette(file.readAll(), palette()));
    if (!renderer->isValid())
        return nullptr;
    return renderer;
}

void CImageButton::LoadImages()
{
    m_normal = LoadImage(m_imageBase + kNormalOffset);
    m_pressed = LoadImage(m_imageBase + kPressedOffset);
    m_focused = LoadImage(m_imageBase + kFocusedOffset);
    m_disabled = LoadImage(m_disabledImage);
    updateGeometry();
    update();
}

void CImageButton::SetImageBase(int imageBase)
{
    m_imageBase = imageBase;
    LoadImages();
}

void CImageButton::SetDisabledImage(int imageNumber)
{
    m_disabledImage = imageNumber;
    LoadImages();
}

void CImageButton::changeEvent(QEvent* event)
{
    QPushButton::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        LoadImages();
}

int CImageButton::ShownImage() const
{
    if (!isEnabled())
        return m_disabled ? m_disabledImage : m_imageBase + kNormalOffset;
    if (isDown())
        return m_imageBase + kPressedOffset;
    if (hasFocus())
        return m_imageBase + kFocusedOffset;
    return m_imageBase + kNormalOffset;
}

QSize CImageButton::FaceSize() const
{
    const QSize image = m_normal ? m_normal->defaultSize() : kFallbackSize;
    const QSize caption = fontMetrics().size(Qt::TextShowMnemonic, text());
    return image.expandedTo(caption + QSize(2 * kCaptionMargin.width(), 2 * kCaptionMargin.height()));
}

QSize CImageButton::sizeHint() const
{
    return FaceSize() + QSize(2, 2);
}

void CImageButton::DrawCaption(QPainter& painter, const QRect& face, const QColor& colour) const
{
    int flags = Qt::AlignCenter | Qt::TextShowMnemonic;
    QStyleOption option;
    option.initFrom(this);
    if (!style()->styleHint(QStyle::SH_UnderlineShortcut, &option, this))
        flags |= Qt::TextHideMnemonic;
    painter.setPen(colour);
    painter.drawText(face, flags, text());
}

QPixmap CImageButton::GreyedFace(const QSize& size) const
{
    // The normal face rendered at the screen's scale, then dimmed the way the style dims
    // disabled icons.
    const qreal scale = devicePixelRatioF();
    QImage rendered(size * scale, QImage::Format_ARGB32_Premultiplied);
    rendered.setDevicePixelRatio(scale);
    rendered.fill(Qt::transparent);
    QPainter painter(&rendered);
    m_normal->render(&painter, QRectF(QPointF(0, 0), size));
    painter.end();
    QStyleOption option;
    option.initFrom(this);
    return style()->generatedIconPixmap(QIcon::Disabled, QPixmap::fromImage(rendered), &option);
}

void CImageButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QColor face = palette().color(QPalette::Button);
    painter.fillRect(rect(), face);
    if (!m_normal) {
        // Without artwork the button still has to be usable: draw the standard one.
        QStyleOptionButton option;
        initStyleOption(&option);
        style()->drawControl(QStyle::CE_PushButton, &option, &painter, this);
        return;
    }
    const QRect faceRect(QPoint(1, 1), FaceSize());
    const bool pressed = isEnabled() && isDown();
    const bool focused = isEnabled() && hasFocus();
    const QColor disabledText = palette().color(QPalette::Disabled, QPalette::ButtonText);
    if (!isEnabled() && m_disabled) {
        // The button's own disabled face, its lettering pressed into it.
        m_disabled->render(&painter, faceRect);
        DrawCaption(painter, faceRect.translated(1, 1), FaceHighlight(palette()));
        DrawCaption(painter, faceRect, disabledText);
    } else if (!isEnabled()) {
        painter.drawPixmap(faceRect.topLeft(), GreyedFace(faceRect.size()));
        DrawCaption(painter, faceRect, disabledText);
    } else {
        QSvgRenderer* image = m_normal.get();
        if (pressed && m_pressed)
            image = m_pressed.get();
        else if (focused && m_focused)
            image = m_focused.get();
        image->render(&painter, faceRect);
        // A pressed button's caption sinks with its face.
        DrawCaption(painter, pressed ? faceRect.translated(1, 1) : faceRect,
                    palette().color(QPalette::ButtonText));
    }
    painter.setPen(pressed || focused ? palette().color(QPalette::ButtonText) : face);
    painter.drawRect(faceRect.adjusted(-1, -1, 0, 0));
}

} // namespace kalvex
