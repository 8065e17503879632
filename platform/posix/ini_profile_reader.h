#pragma once

#include "platform/legacy_profile.h"

#include <filesystem>

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

} // namespace kalvex
