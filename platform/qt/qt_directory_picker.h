#pragma once

#include "platform/directory_picker.h"

#include <QString>

namespace kalvex {

// The desktop's folder chooser, owned by the active window.
class QtDirectoryPicker final : public IDirectoryPicker {
public:
    std::optional<std::string> Pick(const std::string& startFolder) override;
};

// A chosen folder as the program keeps folders: "/" separators and one trailing separator.
std::string WithTrailingSeparator(const QString& folder);

} // namespace kalvex
