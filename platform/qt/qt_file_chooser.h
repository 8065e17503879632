#pragma once

#include "platform/file_chooser.h"

namespace kalvex {

// The desktop's file dialogs, owned by the active window, showing factor files.
class QtFileChooser final : public IFileChooser {
public:
    std::optional<std::string> ChooseToOpen(const std::string& startFolder) override;
    std::optional<std::string> ChooseToSave(const std::string& suggestedFile) override;
};

} // namespace kalvex
