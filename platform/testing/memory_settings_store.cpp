#include "platform/testing/memory_settings_store.h"

namespace kalvex::testing {

std::optional<MemorySettingsStore::Value> MemorySettingsStore::Find(std::string_view section,
                                                                    std::string_view key) const
{
    auto it = m_values.find({std::string(section), std::string(key)});
    if (it == m_values.end())
        return std::nullopt;
    return it->second;
}

int MemorySettingsStore::ReadInt(std::string_view section, std::string_view key, int defaultValue) const
{
    auto value = Find(section, key);
    if (value && std::holds_alternative<int>(*value))
        return std::get<int>(*value);
    return defaultValue;
}

std::string MemorySettingsStore::ReadString(std::string_view section, std::string_view key,
                                            std::string_view defaultValue) const
{
    auto value = Find(section, key);
    if (value && std::holds_alternative<std::string>(*value))
        return std::get<std::string>(*value);
    return std::string(defaultValue);
}

bool MemorySettingsStore::WriteInt(std::string_view section, std::string_view key, int value)
{
    ++writeCount;
    if (failWrites)
        return false;
    m_values[{std::string(section), std::string(key)}] = value;
    return true;
}

bool MemorySettingsStore::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    ++writeCount;
    if (failWrites)
        return false;
    m_values[{std::string(section), std::string(key)}] = std::string(value);
    return true;
}

} // namespace kalvex::testing
