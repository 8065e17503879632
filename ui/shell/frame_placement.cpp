#include "ui/shell/frame_placement.h"

#include <algorithm>

namespace kalvex {

std::optional<FramePlacement> ClampPlacement(FramePlacement stored, int desktopRight, int desktopBottom)
{
    if (stored.bottom - stored.top <= 0 || stored.right - stored.left <= 0)
        return std::nullopt;
    if (stored.right > desktopRight) {
        stored.left = std::max(stored.left - (stored.right - desktopRight), 0);
        stored.right = desktopRight;
    }
    if (stored.bottom > desktopBottom) {
        stored.top = std::max(stored.top - (stored.bottom - desktopBottom), 0);
        stored.bottom = desktopBottom;
    }
    return stored;
}

std::optional<QRect> RestoredGeometry(FramePlacement stored, const QRect& desktop)
{
    const std::optional<FramePlacement> placement =
        ClampPlacement(stored, desktop.x() + desktop.width(), desktop.y() + desktop.height());
    if (!placement)
        return std::nullopt;
    // A damaged profile can place the top or left edge millions of pixels away; a frame larger
    // than the desktop keeps its bottom and right edges and takes the desktop's size.
    const int width = std::min(placement->right - placement->left, desktop.width());
    const int height = std::min(placement->bottom - placement->top, desktop.height());
    return QRect(placement->right - width, placement->bottom - height, width, height);
}

FramePlacement PlacementOf(const QRect& geometry)
{
    return {geometry.x(), geometry.y(), geometry.x() + geometry.width(), geometry.y() + geometry.height()};
}

} // namespace kalvex
