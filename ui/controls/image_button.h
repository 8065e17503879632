#pragma once

#include <QPushButton>
#include <QSvgRenderer>
#include <memory>

class QColor;
class QPainter;
class QPixmap;

namespace kalvex {

// A push button drawn from three images numbered base + 1000 (normal), base + 3000 (pressed)
// and base + 5000 (with the focus), taken from the ":/buttons/<number>.svg" resources so they
// stay sharp at any scale. A disabled button is drawn from its own disabled image when one is
// given, otherwise as a greyed normal image. The images take the colours of the button's own
// palette. The images are the button's face; its caption is its text in its own font, which it
// inherits from its window like every other control, and the face grows to hold it.
// Never a default button: Enter belongs to the dialog.
class CImageButton final : public QPushButton {
    Q_OBJECT
public:
    CImageButton(int imageBase, const QString& text, QWidget* parent = nullptr);

    void SetImageBase(int imageBase);
    int ImageBase() const { return m_imageBase; }
    // Image number drawn while the button is disabled (7041, 7117, 7118), 0 for the greyed look.
    void SetDisabledImage(int imageNumber);
    // The image number the button shows now.
    int ShownImage() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    std::unique_ptr<QSvgRenderer> LoadImage(int number) const;
    // The images' size, or larger where the caption needs more room.
    QSize FaceSize() const;
    void DrawCaption(QPainter& painter, const QRect& face, const QColor& colour) const;
    QPixmap GreyedFace(const QSize& size) const;
    void LoadImages();

    int m_imageBase = 0;
    int m_disabledImage = 0;
    std::unique_ptr<QSvgRenderer> m_normal;
    std::unique_ptr<QSvgRenderer> m_pressed;
    std::unique_ptr<QSvgRenderer> m_focused;
    std::unique_ptr<QSvgRenderer> m_disabled;
};

} // namespace kalvex
