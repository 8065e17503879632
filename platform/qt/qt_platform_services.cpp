#include "platform/qt/qt_platform_services.h"

#include <QDir>
#include <QFileInfo>

namespace kalvex {
namespace {

std::filesystem::path FolderOf(const QString& fileName)
{
    return std::filesystem::path(QFileInfo(fileName).absolutePath().toStdString());
}

} // namespace

QtPlatformServices::QtPlatformServices() : m_legacy(FolderOf(m_settings.FileName()))
{
    services.settings = &m_settings;
    services.messages = &m_messages;
    services.clock = &m_clock;
    services.busy = &m_busy;
    services.help = &help;
    services.clipboard = &m_clipboard;
    services.picker = &m_picker;
    services.files = &m_files;
    services.legacy = &m_legacy;
    services.copier = &m_copier;
    services.replacer = &m_replacer;
    services.dialogs = &m_dialogs;
    services.lockKeys = &m_lockKeys;
    services.groupsLock = &m_groupsLock;
}

QString QtPlatformServices::SettingsFolder() const
{
    return QDir::toNativeSeparators(QFileInfo(m_settings.FileName()).absolutePath());
}

} // namespace kalvex
