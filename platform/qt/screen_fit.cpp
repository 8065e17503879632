#include "platform/qt/screen_fit.h"

#include <QApplication>
#include <QFontMetrics>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <algorithm>

namespace kalvex {
namespace {

QRect AvailableArea(const QWidget& window)
{
    const QScreen* screen = window.screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

// The frame the window manager puts around the window; before it is known (a window not yet
// mapped), room for a title bar is reserved.
QMargins FrameMargins(const QWidget& window)
{
    const QRect frame = window.frameGeometry();
    const QRect inner = window.geometry();
    if (frame != inner)
        return {inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
                frame.bottom() - inner.bottom()};
    return {0, window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window), 0, 0};
}

// The start of a span of the given length placed at start within [low, low + room), kept inside
// where it fits and at low where it does not.
int Clamped(int start, int length, int low, int room)
{
    return std::max(low, std::min(start, low + room - length));
}

// The title bar's width: the title in bold, as window managers mostly draw it, in the toolkit's
// title bar font, which is the nearest measure of theirs; room for four buttons (window menu,
// minimize, maximize, close); and a button's width of margins at each end.
int TitleBarWidth(const QWidget& window)
{
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    const int button = window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window);
    return QFontMetrics(font).horizontalAdvance(window.windowTitle()) + 6 * button;
}

} // namespace

void FitWithinScreen(QWidget& window)
{
    const QRect area = AvailableArea(window);
    if (area.isEmpty())
        return;
    const QMargins frame = FrameMargins(window);
    const QSize room = area.size().shrunkBy(frame);
    if (window.width() > room.width() || window.height() > room.height())
        window.resize(window.size().boundedTo(room));
}

void CentreWithinScreen(QWidget& window)
{
    const QRect area = AvailableArea(window);
    if (area.isEmpty())
        return;
    QRect outer(QPoint(), window.size().grownBy(FrameMargins(window)));
    outer.moveCenter(area.center());
    window.move(Clamped(outer.left(), outer.width(), area.left(), area.width()),
                Clamped(outer.top(), outer.height(), area.top(), area.height()));
}

void WidenForTitle(QWidget& window)
{
    int width = TitleBarWidth(window);
    if (const QRect area = AvailableArea(window); !area.isEmpty()) {
        const QMargins frame = FrameMargins(window);
        width = std::min(width, area.width() - frame.left() - frame.right());
    }
    if (width > window.minimumWidth())
        window.setMinimumWidth(width);
}

} // namespace kalvex
