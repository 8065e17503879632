#pragma once

#include <QPixmap>
#include <QWidget>

namespace kalvex {

// The start-up picture: a borderless window above the others, sized to bitmap 131 and centred.
class CSplashWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 130;

    explicit CSplashWindow(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_image;
};

} // namespace kalvex
