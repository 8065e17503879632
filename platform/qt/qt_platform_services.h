#pragma once

#include "platform/posix/durable_file_replacer.h"
#include "platform/posix/flock_folder_lock.h"
#include "platform/posix/ini_profile_reader.h"
#include "platform/posix/lz_file_copier.h"
#include "platform/posix/system_clock.h"
#include "platform/qt/exec_dialog_runner.h"
#include "platform/qt/qsettings_store.h"
#include "platform/qt/qt_busy_cursor.h"
#include "platform/qt/qt_clipboard.h"
#include "platform/qt/qt_directory_picker.h"
#include "platform/qt/qt_file_chooser.h"
#include "platform/qt/qt_help_service.h"
#include "platform/qt/qt_message_service.h"
#include "platform/qt/xkb_lock_keys.h"
#include "platform/services.h"

namespace kalvex {

// The real platform services of one running program, created after the QApplication.
class QtPlatformServices {
public:
    QtPlatformServices();

    // The folder of the settings profile, where older versions' profile files are looked for.
    QString SettingsFolder() const;
    Services services;
    QtHelpService help;

private:
    QSettingsStore m_settings;
    QtMessageService m_messages;
    SystemClock m_clock;
    QtBusyCursor m_busy;
    QtClipboard m_clipboard;
    QtDirectoryPicker m_picker;
    QtFileChooser m_files;
    IniProfileReader m_legacy;
    LzFileCopier m_copier;
    DurableFileReplacer m_replacer;
    ExecDialogRunner m_dialogs;
    XkbLockKeys m_lockKeys;
    FlockFolderLock m_groupsLock;
};

} // namespace kalvex
