#pragma once

#include <string>

namespace kalvex {

// Plain text on the system clipboard (UTF-8).
class IClipboard {
public:
    virtual ~IClipboard() = default;
    virtual bool HasText() const = 0;
    virtual std::string Text() const = 0;
    virtual void SetText(const std::string& text) = 0;
};

} // namespace kalvex
