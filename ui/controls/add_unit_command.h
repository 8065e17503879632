#pragma once

class QKeyEvent;
class QWidget;

namespace kalvex {

inline constexpr int kAddUnitCommand = 107;

// Enter in a field of the group editor performs "Add Unit". True when the key was Enter and
// has been used up.
bool EnterAddsUnit(const QWidget& field, QKeyEvent& event);

} // namespace kalvex
