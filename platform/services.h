#pragma once

#include "platform/busy_cursor.h"
#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/directory_picker.h"
#include "platform/file_chooser.h"
#include "platform/file_copier.h"
#include "platform/file_replacer.h"
#include "platform/folder_lock.h"
#include "platform/help_service.h"
#include "platform/legacy_profile.h"
#include "platform/lock_keys.h"
#include "platform/message_service.h"
#include "platform/progress_sink.h"
#include "platform/settings_store.h"

namespace kalvex {

class IDialogRunner; // platform/qt/dialog_runner.h: nested modal dialogs

// The platform services one running program (or one test) uses. Not owned.
struct Services {
    ISettingsStore* settings = nullptr;
    IMessageService* messages = nullptr;
    IClock* clock = nullptr;
    IBusyCursor* busy = nullptr;
    IHelpService* help = nullptr;
    IClipboard* clipboard = nullptr;
    IDirectoryPicker* picker = nullptr;
    IFileChooser* files = nullptr; // factor files to import and export
    ILegacyProfile* legacy = nullptr;
    IFileCopier* copier = nullptr;
    IFileReplacer* replacer = nullptr; // every save of a factor file goes through it
    IDialogRunner* dialogs = nullptr;
    ILockKeys* lockKeys = nullptr;     // none: the lock key panes stay blank
    IFolderLock* groupsLock = nullptr; // guards the set of custom groups; none: unguarded
};

} // namespace kalvex
