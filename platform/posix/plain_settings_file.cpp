#include "platform/posix/plain_settings_file.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <system_error>

namespace kalvex {
namespace {

// The toolkit's store reads no larger file (it sets such a file aside, which is no reading).
constexpr std::uintmax_t kMaxFileSize = 1024 * 1024;

bool IsPlainName(std::string_view name)
{
    return !name.empty() && std::ranges::all_of(name, [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
    });
}

// Quotes, escapes, list commas, comments and variants all change what the toolkit reads;
// bytes beyond ASCII would depend on its decoding.
bool IsPlainValue(std::string_view value)
{
    return !value.starts_with('@') && std::ranges::all_of(value, [](char c) {
        return c >= ' ' && c <= '~' && c != '"' && c != '\\' && c != ',' && c != ';';
    });
}

// The toolkit's name, in any case, for the keys outside every section.
bool IsGeneral(std::string_view section)
{
    return section.size() == 7 && std::equal(section.begin(), section.end(), "general",
                                             [](char a, char b) { return (a | 0x20) == b; });
}

std::string_view Trimmed(std::string_view text)
{
    const std::size_t begin = text.find_first_not_of(" \r");
    if (begin == std::string_view::npos)
        return {};
    return text.substr(begin, text.find_last_not_of(" \r") + 1 - begin);
}

std::optional<std::filesystem::path> ConfigurationFolder()
{
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    if (configHome && *configHome) {
        // A relative folder is one the toolkit may treat otherwise.
        if (*configHome != '/')
            return std::nullopt;
        return std::filesystem::path(configHome);
    }
    const char* home = std::getenv("HOME");
    if (!home || *home != '/')
        return std::nullopt;
    return std::filesystem::path(home) / ".config";
}

} // namespace

std::optional<PlainSettingsFile> PlainSettingsFile::OfUser()
{
    const std::optional<std::filesystem::path> folder = ConfigurationFolder();
    if (!folder)
        return std::nullopt;
    return Read(*folder / kUserSettingsFile);
}

std::optional<PlainSettingsFile> PlainSettingsFile::Read(const std::filesystem::path& file)
{
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(file, error);
    if (status.type() == std::filesystem::file_type::not_found)
        return PlainSettingsFile();
    if (error || status.type() != std::filesystem::file_type::regular ||
        std::filesystem::file_size(file, error) > kMaxFileSize || error)
        return std::nullopt;
    std::ifstream stream(file, std::ios::binary);
    std::string text{std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
    if (!stream.good() && !stream.eof())
        return std::nullopt;
    return Parse(text);
}

std::optional<PlainSettingsFile> PlainSettingsFile::Parse(std::string_view text)
{
    PlainSettingsFile settings;
    std::string section;
    bool seenSection = false;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string_view line = Trimmed(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
        if (line.empty())
            continue;
        if (line.front() == '[' && line.back() == ']') {
            section = line.substr(1, line.size() - 2);
            // A section met twice would be merged, and "General" holds the keys of no section.
            if (!IsPlainName(section) || IsGeneral(section) ||
                std::ranges::any_of(settings.m_values,
                                    [&](const auto& entry) { return entry.first.first == section; }))
                return std::nullopt;
            seenSection = true;
            continue;
        }
        const std::size_t equals = line.find('=');
        if (!seenSection || equals == std::string_view::npos)
            return std::nullopt;
        const std::string_view key = Trimmed(line.substr(0, equals));
        const std::string_view value = Trimmed(line.substr(equals + 1));
        if (!IsPlainName(key) || !IsPlainValue(value) ||
            !settings.m_values.emplace(std::pair(section, std::string(key)), value).second)
            return std::nullopt;
    }
    return settings;
}

const std::string* PlainSettingsFile::Find(std::string_view section, std::string_view key) const
{
    const auto found = m_values.find(std::pair(std::string(section), std::string(key)));
    return found == m_values.end() ? nullptr : &found->second;
}

int PlainSettingsFile::ReadInt(std::string_view section, std::string_view key, int defaultValue) const
{
    const std::string* value = Find(section, key);
    if (!value)
        return defaultValue;
    // A decimal number with an optional sign, held to 32 bits; anything else is no number.
    std::string_view digits = *value;
    if (digits.starts_with('+'))
        digits.remove_prefix(1);
    long long number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (error != std::errc() || end != digits.data() + digits.size() || number < INT_MIN ||
        number > INT_MAX || (value->starts_with('+') && digits.starts_with('-')))
        return defaultValue;
    return int(number);
}

std::string PlainSettingsFile::ReadString(std::string_view section, std::string_view key,
                                          std::string_view defaultValue) const
{
    const std::string* value = Find(section, key);
    return value ? *value : std::string(defaultValue);
}

} // namespace kalvex
