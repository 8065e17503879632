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

QSize CImageButton::sizeHint() const
{
    const QSize image = m_normal ? m_normal->defaultSize() : kFallbackSize;
    return image + QSize(2, 2);
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
    const QRect imageRect(QPoint(1, 1), m_normal->defaultSize());
    const bool pressed = isEnabled() && isDown();
    const bool focused = isEnabled() && hasFocus();
    QSvgRenderer* image = m_normal.get();
    if (!isEnabled() && m_disabled)
        image = m_disabled.get();
    else if (pressed && m_pressed)
        image = m_pressed.get();
    else if (focused && m_focused)
        image = m_focused.get();

    if (!isEnabled() && !m_disabled) {
        // The greyed look: the normal image rendered at the screen's scale, then dimmed the
        // way the style dims disabled icons.
        const qreal scale = devicePixelRatioF();
        QImage rendered(imageRect.size() * scale, QImage::Format_ARGB32_Premultiplied);
        rendered.setDevicePixelRatio(scale);
        rendered.fill(Qt::transparent);
        QPainter imagePainter(&rendered);
        m_normal->render(&imagePainter, QRectF(QPointF(0, 0), imageRect.size()));
        imagePainter.end();
        QStyleOption option;
        option.initFrom(this);
        const QPixmap greyed =
            style()->generatedIconPixmap(QIcon::Disabled, QPixmap::fromImage(rendered), &option);
        painter.drawPixmap(imageRect.topLeft(), greyed);
    } else {
        image->render(&painter, imageRect);
    }
    painter.setPen(pressed || focused ? palette().color(QPalette::ButtonText) : face);
    painter.drawRect(imageRect.adjusted(-1, -1, 0, 0));
}

} // namespace kalvex
