#pragma once

#include "platform/settings_store.h"

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace kalvex {

// The user's settings file below the configuration folder, as the toolkit's settings store names it.
inline constexpr std::string_view kUserSettingsFile = "Qor Corporation/Kalvex!.conf";

// The settings file read without the toolkit, for the options that only print: it saves them
// loading the toolkit's libraries, which take longer than the whole conversion.
//
// It reads only what it can read exactly as the toolkit's store does: sections and keys of
// letters, digits and underscores, and values in plain ASCII with nothing the toolkit would
// unquote, unescape or split. Any other file, and any place the toolkit might look elsewhere
// for, is declined, and the caller reads it through the toolkit instead. It never writes.
class PlainSettingsFile final : public ISettingsStore {
public:
    // The user's file; none when it must be read through the toolkit.
    static std::optional<PlainSettingsFile> OfUser();
    // The file's values; none when it must be read through the toolkit. A missing file holds no values.
    static std::optional<PlainSettingsFile> Read(const std::filesystem::path& file);
    // The values of a file's text; none when the toolkit might read it otherwise.
    static std::optional<PlainSettingsFile> Parse(std::string_view text);

    int ReadInt(std::string_view section, std::string_view key, int defaultValue) const override;
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const override;
    bool WriteInt(std::string_view, std::string_view, int) override { return false; }
    bool WriteString(std::string_view, std::string_view, std::string_view) override { return false; }

private:
    const std::string* Find(std::string_view section, std::string_view key) const;

    std::map<std::pair<std::string, std::string>, std::string, std::less<>> m_values;
};

} // namespace kalvex
