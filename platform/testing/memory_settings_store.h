#pragma once

#include "platform/settings_store.h"

#include <map>
#include <optional>
#include <string>
#include <variant>

namespace kalvex::testing {

// In-memory settings store; values are kept with their type, as the real store does.
class MemorySettingsStore final : public ISettingsStore {
public:
    using Value = std::variant<int, std::string>;

    int ReadInt(std::string_view section, std::string_view key, int defaultValue) const override;
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const override;
    bool WriteInt(std::string_view section, std::string_view key, int value) override;
    bool WriteString(std::string_view section, std::string_view key, std::string_view value) override;
    void BeginBatch() override { ++m_batchDepth; }
    bool EndBatch() override;
    std::string Location() const override { return "memory"; }

    std::optional<Value> Find(std::string_view section, std::string_view key) const;
    bool Has(std::string_view section, std::string_view key) const { return Find(section, key).has_value(); }
    int writeCount = 0;
    // Times the stored values were replaced: once per write outside a batch, once per batch.
    int commitCount = 0;
    bool failWrites = false; // a store that cannot be written: writes are lost

private:
    bool Store(std::string_view section, std::string_view key, Value value);

    std::map<std::pair<std::string, std::string>, Value> m_values;
    int m_batchDepth = 0;
    bool m_batchWritten = false;
    bool m_batchFailed = false;
};

} // namespace kalvex::testing
