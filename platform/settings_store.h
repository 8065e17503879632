#pragma once

#include <string>
#include <string_view>

namespace kalvex {

// Per-user keyed store: company, application, then named sections of named values.
// Every write is visible to the next read. A write outside a batch reaches the store at once;
// the writes of one batch reach it together, in one replacement, when the outermost batch ends.
class ISettingsStore {
public:
    virtual ~ISettingsStore() = default;
    virtual int ReadInt(std::string_view section, std::string_view key, int defaultValue) const = 0;
    virtual std::string ReadString(std::string_view section, std::string_view key,
                                   std::string_view defaultValue) const = 0;
    // False when the value cannot be kept (it still reads back until the program ends).
    virtual bool WriteInt(std::string_view section, std::string_view key, int value) = 0;
    virtual bool WriteString(std::string_view section, std::string_view key, std::string_view value) = 0;

    // Batches nest; EndBatch is false when the batch's values could not be stored. A store that
    // writes each value at once has nothing to gather.
    virtual void BeginBatch() {}
    virtual bool EndBatch() { return true; }

    // Where the values are kept, as the user can find it (the profile's file name).
    virtual std::string Location() const { return "the settings store"; }
    // Why the stored profile could not be used as it was at opening; empty when it could.
    virtual std::string OpenProblem() const { return {}; }
    // Takes in what another process wrote to the store since it was last read.
    virtual void Refresh() {}
};

// The writes made while it lives form one batch.
class SettingsBatch {
public:
    explicit SettingsBatch(ISettingsStore& store) : m_store(store) { m_store.BeginBatch(); }
    ~SettingsBatch() { m_store.EndBatch(); }
    SettingsBatch(const SettingsBatch&) = delete;
    SettingsBatch& operator=(const SettingsBatch&) = delete;

private:
    ISettingsStore& m_store;
};

} // namespace kalvex
