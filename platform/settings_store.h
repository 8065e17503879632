#pragma once

#include <string>
#include <string_view>

namespace kalvex {

// Per-user keyed store: company, application, then named sections of named values.
// Every write is visible to the next read and reaches the store at once.
class ISettingsStore {
public:
    virtual ~ISettingsStore() = default;
    virtual int ReadInt(std::string_view section, std::string_view key, int defaultValue) const = 0;
    virtual std::string ReadString(std::string_view section, std::string_view key,
                                   std::string_view defaultValue) const = 0;
    virtual bool WriteInt(std::string_view section, std::string_view key, int value) = 0;
    virtual bool WriteString(std::string_view section, std::string_view key, std::string_view value) = 0;
    // Takes in what another process wrote to the store since it was last read.
    virtual void Refresh() {}
};

} // namespace kalvex
