#pragma once

#include "platform/posix/durable_file_replacer.h"
#include "platform/testing/fixed_clock.h"
#include "platform/testing/memory_settings_store.h"
#include "platform/testing/qt/scripted_dialog_runner.h"
#include "platform/testing/scripted_messages.h"
#include "platform/testing/simple_doubles.h"
#include "storage/app_state.h"
#include "storage/current_group.h"

#include <QTemporaryDir>

namespace kalvex::testing {

// One application state wired to scripted platform services and a private factor folder, with
// the group its windows work on.
struct TestApp {
    TestApp()
    {
        services.settings = &settings;
        services.messages = &messages;
        services.clock = &clock;
        services.busy = &busy;
        services.help = &help;
        services.clipboard = &clipboard;
        services.picker = &picker;
        services.files = &files;
        services.dialogs = &dialogs;
        services.replacer = &replacer;
        state.services = services;
        state.m_factorPath = folder.path().toStdString() + "/";
        state.m_programDir = state.m_factorPath;
    }

    QTemporaryDir folder;
    MemorySettingsStore settings;
    ScriptedMessages messages;
    FixedClock clock;
    CountingBusyCursor busy;
    RecordingHelp help;
    MemoryClipboard clipboard;
    ScriptedPicker picker;
    ScriptedFileChooser files;
    ScriptedDialogRunner dialogs;
    DurableFileReplacer replacer;
    Services services;
    AppState state;
    CurrentGroup current{state};
};

} // namespace kalvex::testing
