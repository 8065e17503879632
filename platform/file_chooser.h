#pragma once

#include <optional>
#include <string>

namespace kalvex {

// Lets the user choose a factor file (".fsf") to read or to write. Nothing when the user cancels.
class IFileChooser {
public:
    virtual ~IFileChooser() = default;
    // Starts in startFolder.
    virtual std::optional<std::string> ChooseToOpen(const std::string& startFolder) = 0;
    // Offers suggestedFile. Asks nothing about an existing file: the caller may still add the
    // ".fsf" extension, and asks about the name it finally writes.
    virtual std::optional<std::string> ChooseToSave(const std::string& suggestedFile) = 0;
};

} // namespace kalvex
