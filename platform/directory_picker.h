#pragma once

#include <optional>
#include <string>

namespace kalvex {

// Lets the user choose a folder. Starts in startFolder; returns the chosen folder with a
// trailing separator, or nothing when the user cancels.
class IDirectoryPicker {
public:
    virtual ~IDirectoryPicker() = default;
    virtual std::optional<std::string> Pick(const std::string& startFolder) = 0;
};

} // namespace kalvex
