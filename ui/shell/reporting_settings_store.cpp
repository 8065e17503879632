#include "ui/shell/reporting_settings_store.h"

#include <QTimer>

namespace kalvex {

ReportingSettingsStore::ReportingSettingsStore(ISettingsStore& store, IMessageService& messages,
                                               QObject* parent)
    : QObject(parent), m_store(store), m_messages(messages)
{
}

ReportingSettingsStore::~ReportingSettingsStore()
{
    Flush();
}

int ReportingSettingsStore::ReadInt(std::string_view section, std::string_view key, int defaultValue) const
{
    return m_store.ReadInt(section, key, defaultValue);
}

std::string ReportingSettingsStore::ReadString(std::string_view section, std::string_view key,
                                               std::string_view defaultValue) const
{
    return m_store.ReadString(section, key, defaultValue);
}

void ReportingSettingsStore::JoinOperation()
{
    if (m_batchDepth > 0 || m_operationOpen)
        return;
    // The operation's later writes join this batch; it ends once the operation has returned to
    // the event loop.
    m_operationOpen = true;
    m_store.BeginBatch();
    QTimer::singleShot(0, this, &ReportingSettingsStore::Flush);
}

bool ReportingSettingsStore::Written(std::string_view section, std::string_view key, bool stored)
{
    std::string name = std::string(section) + '/' + std::string(key);
    if (!stored)
        m_lost.insert(name);
    m_written.insert(std::move(name));
    return stored;
}

bool ReportingSettingsStore::WriteInt(std::string_view section, std::string_view key, int value)
{
    JoinOperation();
    return Written(section, key, m_store.WriteInt(section, key, value));
}

bool ReportingSettingsStore::WriteString(std::string_view section, std::string_view key,
                                         std::string_view value)
{
    JoinOperation();
    return Written(section, key, m_store.WriteString(section, key, value));
}

void ReportingSettingsStore::BeginBatch()
{
    ++m_batchDepth;
    m_store.BeginBatch();
}

bool ReportingSettingsStore::EndBatch()
{
    if (m_batchDepth == 0)
        return true;
    --m_batchDepth;
    const bool stored = BatchEnded(m_store.EndBatch());
    // The outermost batch is on disk when it ends, with what the operation wrote before it: a
    // process lets go of the custom groups only once their settings are stored.
    return m_batchDepth == 0 && m_operationOpen ? EndOperation() && stored : stored;
}

void ReportingSettingsStore::Flush()
{
    EndOperation();
}

bool ReportingSettingsStore::EndOperation()
{
    if (!m_operationOpen)
        return true;
    m_operationOpen = false;
    return BatchEnded(m_store.EndBatch());
}

bool ReportingSettingsStore::BatchEnded(bool stored)
{
    if (m_batchDepth > 0 || m_operationOpen)
        return stored;
    std::set<std::string> lost = stored ? std::move(m_lost) : std::move(m_written);
    m_lost.clear();
    m_written.clear();
    if (!lost.empty())
        ReportLost(lost);
    return stored && lost.empty();
}

void ReportingSettingsStore::ReportLost(const std::set<std::string>& names)
{
    std::string list;
    for (const std::string& name : names)
        list += (list.empty() ? "" : ", ") + name;
    m_messages.Beep(MessageIcon::Warning);
    m_messages.Show({"Kalvex! could not save these settings in " + m_store.Location() + ":\n" + list +
                         "\nThey will be lost when Kalvex! ends.",
                     "", MessageButtons::Ok, MessageIcon::Warning});
}

} // namespace kalvex
