#include "platform/qt/qsettings_store.h"

#include "platform/posix/plain_settings_file.h"
#include "platform/stop_after_step.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace kalvex {
namespace {

QString KeyPath(std::string_view section, std::string_view key)
{
    return QString::fromUtf8(section.data(), qsizetype(section.size())) + u'/' +
           QString::fromUtf8(key.data(), qsizetype(key.size()));
}

// Where QSettings keeps the user's profile on this platform, found without opening it.
QString UserProfileFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/' +
           QString::fromUtf8(kUserSettingsFile.data(), qsizetype(kUserSettingsFile.size()));
}

} // namespace

QSettingsStore::QSettingsStore()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    Open(UserProfileFile());
#else
    // The system's own store (the registry, property lists) holds no file to check.
    m_settings = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                             QStringLiteral("Qor Corporation"), QStringLiteral("Kalvex!"));
    m_fileName = m_settings->fileName();
#endif
}

QSettingsStore::QSettingsStore(const QString& fileName)
{
    Open(fileName);
}

void QSettingsStore::Open(const QString& fileName)
{
    m_fileName = fileName;
    // Checked before QSettings reads the file: reading a FIFO would block start-up for good, and
    // a huge file would be parsed and rewritten at every sync.
    const QFileInfo info(fileName);
    if (info.exists() && !info.isFile()) {
        // Treated as no profile at all; every write then fails and is reported with this name.
        m_fileUsable = false;
    } else if (info.exists() && info.size() > kMaxFileSize) {
        const QString aside = fileName + QStringLiteral(".damaged");
        QFile::remove(aside);
        m_fileUsable = QFile::rename(fileName, aside);
        m_openProblem =
            "The settings file " + Location() + " is damaged: it is far larger than any settings file. ";
        m_openProblem += m_fileUsable
                             ? "It has been kept as " + QDir::toNativeSeparators(aside).toStdString() +
                                   ", and Kalvex! starts with new settings."
                             : std::string("Kalvex! starts with its default settings.");
    }
    // With no usable file the values still live in memory, so every write reads back.
    m_settings = std::make_unique<QSettings>(m_fileUsable ? fileName : QString(), QSettings::IniFormat);
}

int QSettingsStore::ReadInt(std::string_view section, std::string_view key, int defaultValue) const
{
    QVariant value = m_settings->value(KeyPath(section, key));
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
    QVariant value = m_settings->value(KeyPath(section, key));
    if (!value.isValid())
        return std::string(defaultValue);
    return value.toString().toStdString();
}

bool QSettingsStore::Sync()
{
    if (!m_fileUsable)
        return false;
    m_settings->sync();
    StepTaken("settings file replaced");
    return m_settings->status() == QSettings::NoError;
}

bool QSettingsStore::Write(std::string_view section, std::string_view key, const QVariant& value)
{
    m_settings->setValue(KeyPath(section, key), value);
    if (m_batchDepth == 0)
        return Sync();
    m_batchWritten = true;
    // The file is written when the batch ends; what is known to fail already fails here.
    return m_fileUsable && m_settings->isWritable() && m_settings->status() == QSettings::NoError;
}

bool QSettingsStore::WriteInt(std::string_view section, std::string_view key, int value)
{
    return Write(section, key, value);
}

bool QSettingsStore::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    return Write(section, key, QString::fromUtf8(value.data(), qsizetype(value.size())));
}

void QSettingsStore::BeginBatch()
{
    ++m_batchDepth;
}

bool QSettingsStore::EndBatch()
{
    if (m_batchDepth == 0 || --m_batchDepth > 0 || !m_batchWritten)
        return true;
    m_batchWritten = false;
    return Sync();
}

std::string QSettingsStore::Location() const
{
    return QDir::toNativeSeparators(m_fileName).toStdString();
}

void QSettingsStore::Refresh()
{
    if (m_fileUsable)
        m_settings->sync();
}

} // namespace kalvex
