#pragma once

#include <optional>

namespace kalvex {

// A window that handles menu commands. The main frame asks its targets in routing order
// (launcher view, document, frame, application); the first that handles a command wins,
// and a command no target knows is disabled.
class ICommandTarget {
public:
    virtual ~ICommandTarget() = default;
    // True when the command was handled here.
    virtual bool OnCommand(int commandId) = 0;
    // Enabled state when this target handles the command; nothing when it does not.
    virtual std::optional<bool> CommandState(int commandId) const = 0;
};

} // namespace kalvex
