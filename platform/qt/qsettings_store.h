#pragma once

#include "platform/settings_store.h"

#include <QSettings>
#include <memory>

namespace kalvex {

// The settings profile on this platform: QSettings under "Qor Corporation" / "Kalvex!", one
// group per section. Outside a batch every write is synced at once; a batch is synced once at
// its end, which replaces the file in one step.
//
// Only a regular file of a plausible size is read: anything else at the profile's place (a
// FIFO, a device, a folder) is left alone and the values live in memory only, so writes report
// failure; an oversized file is damaged: it is kept aside with a ".damaged" suffix and a new
// profile begun.
class QSettingsStore final : public ISettingsStore {
public:
    QSettingsStore();                                 // the user's profile
    explicit QSettingsStore(const QString& fileName); // an explicit INI file

    int ReadInt(std::string_view section, std::string_view key, int defaultValue) const override;
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const override;
    bool WriteInt(std::string_view section, std::string_view key, int value) override;
    bool WriteString(std::string_view section, std::string_view key, std::string_view value) override;
    void BeginBatch() override;
    bool EndBatch() override;
    std::string Location() const override;
    std::string OpenProblem() const override { return m_openProblem; }
    void Refresh() override;

    QString FileName() const { return m_fileName; }

    // A settings file is a few kilobytes; anything near this is not one of ours.
    static constexpr qint64 kMaxFileSize = 1024 * 1024;

private:
    void Open(const QString& fileName);
    bool Write(std::string_view section, std::string_view key, const QVariant& value);
    bool Sync();

    QString m_fileName;
    std::unique_ptr<QSettings> m_settings;
    bool m_fileUsable = true;
    std::string m_openProblem;
    int m_batchDepth = 0;
    bool m_batchWritten = false;
};

} // namespace kalvex
