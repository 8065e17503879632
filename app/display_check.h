#pragma once

namespace kalvex {

// Whether a window can be shown: on X11 and Wayland desktops a display must be named in the
// environment, unless the toolkit was pointed at another platform plugin.
bool HasDisplay(int argc, char* argv[]);

inline constexpr const char* kNoDisplayText =
    "no display: set DISPLAY or WAYLAND_DISPLAY, or see kalvex --help";

} // namespace kalvex
