#pragma once

#include <optional>

namespace kalvex {

struct LockKeyState {
    bool capsLock = false;
    bool numLock = false;
    bool scrollLock = false;
};

// The state of the keyboard's lock keys, where the platform tells it.
class ILockKeys {
public:
    virtual ~ILockKeys() = default;
    // Nothing where the platform does not tell (a Wayland session, no display at all).
    virtual std::optional<LockKeyState> Read() = 0;
};

} // namespace kalvex
