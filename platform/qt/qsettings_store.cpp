#include "platform/qt/qsettings_store.h"

namespace kalvex {
namespace {

QString KeyPath(std::string_view section, std::string_view key)
{
    return QString::fromUtf8(section.data(), qsizetype(section.size())) + u'/' +
           QString::fromUtf8(key.data(), qsizetype(key.size()));
}

} // namespace

QSettingsStore::QSettingsStore()
    : m_settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Qor Corporation"),
                 QStringLiteral("Kalvex!"))
{
}

QSettingsStore::QSettingsStore(const QString& fileName) : m_settings(fileName, QSettings::IniFormat) {}

int QSettingsStore::ReadInt(std::string_view section, std::string_view key, int defaultValue) const
{
    QVariant value = m_settings.value(KeyPath(section, key));
    if (!value.isValid())
        return defaultValue;
    bool ok = false;
    // Stored as a 32-bit value; anything else (a hand-edited text) falls back to the default.
    qlonglong number = value.toLongLong(&ok);
    if (!ok || number < INT32_MIN || number > INT32_MAX)
        return defaultValue;
    return int(number);
}

std::string QSettingsStore::ReadString(std::string_view section, std::string_view key,
                                       std::string_view defaultValue) const
{
    QVariant value = m_settings.value(KeyPath(section, key));
    if (!value.isValid())
        return std::string(defaultValue);
    return value.toString().toStdString();
}

bool QSettingsStore::Write(std::string_view section, std::string_view key, const QVariant& value)
{
    m_settings.setValue(KeyPath(section, key), value);
    m_settings.sync();
    return m_settings.status() == QSettings::NoError;
}

bool QSettingsStore::WriteInt(std::string_view section, std::string_view key, int value)
{
    return Write(section, key, value);
}

bool QSettingsStore::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    return Write(section, key, QString::fromUtf8(value.data(), qsizetype(value.size())));
}

void QSettingsStore::Refresh()
{
    m_settings.sync();
}

} // namespace kalvex
