#pragma once

#include "platform/lock_keys.h"

#include <array>

namespace kalvex {

// Lock keys from the X keyboard extension's named indicators. libX11 is looked up at run time
// and only when the program runs on X11, so other platforms and the offscreen tests neither
// need it nor show a state.
class XkbLockKeys final : public ILockKeys {
public:
    XkbLockKeys();
    std::optional<LockKeyState> Read() override;

private:
    using Atom = unsigned long;
    using GetNamedIndicator = int (*)(void* display, Atom name, int* index, int* state, void* map, int* real);

    bool IsOn(Atom indicator) const;

    void* m_display = nullptr;
    GetNamedIndicator m_getNamedIndicator = nullptr;
    std::array<Atom, 3> m_indicators{}; // Caps Lock, Num Lock, Scroll Lock
};

} // namespace kalvex
