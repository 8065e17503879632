#pragma once

class QPoint;

namespace kalvex {

// A window that knows which help topic belongs to a point inside it (context-help mode,
// Shift+F1, then a click or Enter). Windows without it fall back to their "helpId" property, then to
// the topic of the window that holds them.
class IContextHelpSource {
public:
    virtual ~IContextHelpSource() = default;
    // The help context number for a point in the window's own coordinates; 0 for none.
    virtual int HelpHitTest(const QPoint& pos) const = 0;
    // The point of what the keyboard has chosen in the window, for help asked with Enter; a point
    // outside the window when nothing is chosen.
    virtual QPoint HelpFocusPoint() const = 0;
};

} // namespace kalvex
