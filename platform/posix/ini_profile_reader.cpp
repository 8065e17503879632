#include "platform/posix/ini_profile_reader.h"

#include "platform/regular_file.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <optional>
#include <sstream>

namespace fs = std::filesystem;

namespace kalvex {
namespace {

constexpr std::string_view kBlanks = " \t\r\n\v\f";
// The home platform kept these files to 64 KiB; one four times larger is damaged, not read.
// Every value read scans its file again, so the bound also bounds the time of an import.
constexpr std::uintmax_t kMaxProfileFileSize = 256 << 10;

std::string_view Trim(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

bool EqualIgnoringCase(std::string_view a, std::string_view b)
{
    return std::ranges::equal(
        a, b, [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

std::optional<fs::path> FindFile(const fs::path& folder, std::string_view name)
{
    // Plain names only: the files live in the folder the reader was given.
    if (name.empty() || name.find('/') != std::string_view::npos || name == "." || name == "..")
        return std::nullopt;
    std::error_code error;
    fs::path exact = folder / name;
    if (fs::is_regular_file(exact, error))
        return exact;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        if (EqualIgnoringCase(it->path().filename().string(), name) && it->is_regular_file(error))
            return it->path();
    return std::nullopt;
}

// Nothing from a file that is not a regular file or is too large.
std::optional<std::string> FindValue(const fs::path& file, std::string_view section, std::string_view key)
{
    const FileBytes read = ReadRegularFile(file, kMaxProfileFileSize);
    if (read.status != ReadStatus::Read)
        return std::nullopt;
    return FindProfileValue(read.bytes, section, key);
}

} // namespace

std::optional<std::string> FindProfileValue(std::string_view fileText, std::string_view section,
                                            std::string_view key)
{
    std::istringstream in{std::string(fileText)};
    std::string line;
    bool inSection = false;
    bool sectionSeen = false;
    while (std::getline(in, line)) {
        std::string_view text = Trim(line);
        if (text.starts_with('[')) {
            if (sectionSeen)
                return std::nullopt;
            const std::size_t close = text.find(']');
            inSection = EqualIgnoringCase(
                Trim(text.substr(1, close == std::string_view::npos ? text.npos : close - 1)), section);
            sectionSeen = inSection;
            continue;
        }
        if (!inSection || text.starts_with(';'))
            continue;
        const std::size_t equals = text.find('=');
        if (equals != std::string_view::npos && EqualIgnoringCase(Trim(text.substr(0, equals)), key))
            return std::string(Trim(text.substr(equals + 1)));
    }
    return std::nullopt;
}

int LeadingInteger(std::string_view text)
{
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    long long number = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
        number = std::min<long long>(number * 10 + (text[i] - '0'), INT_MAX);
    return static_cast<int>(negative ? -number : number);
}

IniProfileReader::IniProfileReader(fs::path folder) : m_folder(std::move(folder)) {}

std::string IniProfileReader::ReadString(std::string_view file, std::string_view section,
                                         std::string_view key, std::string_view defaultValue,
                                         std::size_t bufferSize) const
{
    std::optional<std::string> value;
    if (auto path = FindFile(m_folder, file))
        value = FindValue(*path, section, key);
    std::string text = value ? *value : std::string(defaultValue);
    if (bufferSize == 0)
        return {};
    if (text.size() > bufferSize - 1)
        text.resize(bufferSize - 1);
    return text;
}

int IniProfileReader::ReadInt(std::string_view file, std::string_view section, std::string_view key,
                              int defaultValue) const
{
    std::optional<std::string> value;
    if (auto path = FindFile(m_folder, file))
        value = FindValue(*path, section, key);
    if (!value || value->empty())
        return defaultValue;
    return LeadingInteger(*value);
}

} // namespace kalvex
