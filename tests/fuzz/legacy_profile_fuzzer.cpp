// Any text as an older version's profile file: the first line names the key to look up, the
// rest is the file. A value found is trimmed and part of the file; integers never overflow.
#include "platform/posix/ini_profile_reader.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

void Check(std::string_view file, std::string_view section, std::string_view key)
{
    const auto value = kalvex::FindProfileValue(file, section, key);
    if (!value)
        return;
    if (!value->empty() && (IsBlank(value->front()) || IsBlank(value->back())))
        __builtin_trap();
    if (file.find(*value) == std::string_view::npos)
        __builtin_trap();
    const int number = kalvex::LeadingInteger(*value);
    if (number == 0 && !value->empty() && value->find_first_of("123456789") == 0)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t newline = input.find('\n');
    const std::string_view key =
        newline == std::string_view::npos ? std::string_view() : input.substr(0, newline);
    const std::string_view file = newline == std::string_view::npos ? input : input.substr(newline + 1);
    Check(file, "Kalvexon", key);
    Check(file, "Settings", "ConvFilePath");
    Check(file, "Kalvexon", "ConvVersion");
    return 0;
}
