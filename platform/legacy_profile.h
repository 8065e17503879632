#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kalvex {

// Reads older versions' private profile (.ini) files with the semantics those versions relied on:
// section and key names compared without case, first match wins, values trimmed,
// a string read cut to its buffer size less one, integers parsed from a leading decimal number.
// File names are plain names ("kalvex.ini"), looked up in the folder the reader was given.
class ILegacyProfile {
public:
    virtual ~ILegacyProfile() = default;
    virtual std::string ReadString(std::string_view file, std::string_view section, std::string_view key,
                                   std::string_view defaultValue, std::size_t bufferSize) const = 0;
    virtual int ReadInt(std::string_view file, std::string_view section, std::string_view key,
                        int defaultValue) const = 0;
};

} // namespace kalvex
