#pragma once

#include "platform/legacy_profile.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace kalvex {

// Reads older versions' private profile files from one folder. Values come back as the file
// holds them (those versions wrote Windows-1252); a file name that is not found as written is
// also looked for without regard to case, as files copied from the home platform may be renamed.
class IniProfileReader final : public ILegacyProfile {
public:
    explicit IniProfileReader(std::filesystem::path folder);

    std::string ReadString(std::string_view file, std::string_view section, std::string_view key,
                           std::string_view defaultValue, std::size_t bufferSize) const override;
    int ReadInt(std::string_view file, std::string_view section, std::string_view key,
                int defaultValue) const override;

private:
    std::filesystem::path m_folder;
};

// The reading rules on their own, over a file's text.
// The value of the first key of that name in the first section of that name, trimmed.
std::optional<std::string> FindProfileValue(std::string_view fileText, std::string_view section,
                                            std::string_view key);
// A leading decimal number with an optional sign, held to the int range; anything else reads as 0.
int LeadingInteger(std::string_view text);

} // namespace kalvex
