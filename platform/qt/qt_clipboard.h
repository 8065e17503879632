#pragma once

#include "platform/clipboard.h"

namespace kalvex {

// Plain text on the desktop clipboard.
class QtClipboard final : public IClipboard {
public:
    bool HasText() const override;
    std::string Text() const override;
    void SetText(const std::string& text) override;
};

} // namespace kalvex
