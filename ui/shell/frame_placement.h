#pragma once

#include <QRect>
#include <optional>

namespace kalvex {

// A frame rectangle as the profile keeps it: left, top, right, bottom, with right and bottom
// exclusive.
struct FramePlacement {
    int left = 0, top = 0, right = 0, bottom = 0;
};

// The stored placement moved back onto a desktop whose right and bottom edges are given;
// nothing when the stored rectangle is empty.
std::optional<FramePlacement> ClampPlacement(FramePlacement stored, int desktopRight, int desktopBottom);

// The geometry of a frame restored from its stored placement on the desktop (every screen's
// area): moved back onto it and no larger than it; nothing when the stored rectangle is empty.
std::optional<QRect> RestoredGeometry(FramePlacement stored, const QRect& desktop);

// The placement the profile keeps for a frame's geometry.
FramePlacement PlacementOf(const QRect& geometry);

} // namespace kalvex
