#pragma once

#include "platform/posix/ini_profile_reader.h"
#include "platform/posix/lz_file_copier.h"
#include "platform/testing/faulty_file_replacer.h"
#include "platform/testing/fixed_clock.h"
#include "platform/testing/memory_settings_store.h"
#include "platform/testing/recording_folder_lock.h"
#include "platform/testing/scripted_messages.h"
#include "platform/testing/simple_doubles.h"
#include "storage/app_state.h"
#include "storage/unsaved_files.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kalvex::testing {

// Records the progress lines the storage code reports.
class RecordingProgress final : public IProgressSink {
public:
    void Report(const std::string& text) override { lines.push_back(text); }
    std::vector<std::string> lines;
};

// An application state wired to in-memory settings, scripted answers, legacy files in a
// temporary folder and a temporary factor folder.
class StorageTest : public ::testing::Test {
protected:
    StorageTest() : legacyReader(legacyFolder.Path())
    {
        app.services.settings = &settings;
        app.services.messages = &messages;
        app.services.clock = &clock;
        app.services.picker = &picker;
        app.services.legacy = &legacyReader;
        app.services.copier = &copier;
        app.services.replacer = &replacer;
        app.services.groupsLock = &lock;
        app.m_factorPath = factorFolder.Dir();
    }

    std::string FactorFile(const std::string& tag) const { return factorFolder.Dir() + tag + ".fsf"; }

    // Writes an older version's file: lines joined with CR LF under section "Kalvexon".
    void WriteLegacy(const std::string& name, const std::vector<std::string>& lines,
                     std::string section = "Kalvexon")
    {
        std::string text = "[" + section + "]\r\n";
        for (const auto& line : lines)
            text += line + "\r\n";
        legacyFolder.Write(name, text);
    }

    int Setting(const std::string& key, int missing = -99) const
    {
        return settings.ReadInt("Settings", key, missing);
    }

    TempFolder factorFolder;
    TempFolder legacyFolder;
    MemorySettingsStore settings;
    ScriptedMessages messages;
    FixedClock clock;
    ScriptedPicker picker;
    IniProfileReader legacyReader;
    LzFileCopier copier;
    FaultyFileReplacer replacer;
    RecordingFolderLock lock;
    RecordingProgress progress;
    UnsavedFiles unsaved;
    AppState app;
};

} // namespace kalvex::testing
