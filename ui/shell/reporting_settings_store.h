#pragma once

#include "platform/message_service.h"
#include "platform/settings_store.h"

#include <QObject>
#include <set>
#include <string>

namespace kalvex {

// The settings store as the running program uses it. The writes of one operation (everything
// written before control returns to the event loop, or inside an explicit batch) reach the
// store in one batch, so a dialog's OK replaces the profile once (an explicit batch is stored
// when it ends, with the operation's earlier writes); and when a batch cannot be
// stored the user is told once which values were lost and where.
class ReportingSettingsStore final : public QObject, public ISettingsStore {
    Q_OBJECT
public:
    ReportingSettingsStore(ISettingsStore& store, IMessageService& messages, QObject* parent = nullptr);
    ~ReportingSettingsStore() override;

    int ReadInt(std::string_view section, std::string_view key, int defaultValue) const override;
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const override;
    bool WriteInt(std::string_view section, std::string_view key, int value) override;
    bool WriteString(std::string_view section, std::string_view key, std::string_view value) override;
    void BeginBatch() override;
    bool EndBatch() override;
    std::string Location() const override { return m_store.Location(); }
    std::string OpenProblem() const override { return m_store.OpenProblem(); }
    void Refresh() override { m_store.Refresh(); }

    // Stores what the current operation wrote, now rather than on the next turn of the event loop.
    void Flush();

private:
    void JoinOperation();
    bool EndOperation();
    bool Written(std::string_view section, std::string_view key, bool stored);
    bool BatchEnded(bool stored);
    void ReportLost(const std::set<std::string>& names);

    ISettingsStore& m_store;
    IMessageService& m_messages;
    int m_batchDepth = 0;
    bool m_operationOpen = false; // a batch the first write of an operation opened
    std::set<std::string> m_written;
    std::set<std::string> m_lost;
};

} // namespace kalvex
