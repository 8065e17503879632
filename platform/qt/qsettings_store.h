#pragma once

#include "platform/settings_store.h"

#include <QSettings>

namespace kalvex {

// The settings profile on this platform: QSettings under "Qor Corporation" / "Kalvex!",
// one group per section, synced after every write so nothing waits for exit.
class QSettingsStore final : public ISettingsStore {
public:
    QSettingsStore();
    explicit QSettingsStore(const QString& fileName); // an explicit INI file, for tests

    int ReadInt(std::string_view section, std::string_view key, int defaultValue) const override;
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const override;
    bool WriteInt(std::string_view section, std::string_view key, int value) override;
    bool WriteString(std::string_view section, std::string_view key, std::string_view value) override;
    void Refresh() override;

    QString FileName() const { return m_settings.fileName(); }

private:
    bool Write(std::string_view section, std::string_view key, const QVariant& value);
    mutable QSettings m_settings;
};

} // namespace kalvex
