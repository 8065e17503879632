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

bool MemorySettingsStore::Store(std::string_view section, std::string_view key, Value value)
{
    ++writeCount;
    if (failWrites) {
        if (m_batchDepth > 0)
            m_batchFailed = true;
        return false;
    }
    m_values[{std::string(section), std::string(key)}] = std::move(value);
    if (m_batchDepth > 0)
        m_batchWritten = true;
    else
        ++commitCount;
    return true;
}

bool MemorySettingsStore::WriteInt(std::string_view section, std::string_view key, int value)
{
    return Store(section, key, value);
}

bool MemorySettingsStore::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    return Store(section, key, std::string(value));
}

bool MemorySettingsStore::EndBatch()
{
    if (m_batchDepth == 0 || --m_batchDepth > 0)
        return true;
    if (m_batchWritten)
        ++commitCount;
    const bool stored = !m_batchFailed;
    m_batchWritten = false;
    m_batchFailed = false;
    return stored;
}

} // namespace kalvex::testing
