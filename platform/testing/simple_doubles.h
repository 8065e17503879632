#pragma once

#include "platform/busy_cursor.h"
#include "platform/clipboard.h"
#include "platform/directory_picker.h"
#include "platform/file_chooser.h"
#include "platform/help_service.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace kalvex::testing {

// Counts Begin/End so tests can check the busy cursor was shown and put back.
class CountingBusyCursor final : public IBusyCursor {
public:
    void Begin() override { ++begun, ++depth; }
    void End() override { --depth; }
    int begun = 0;
    int depth = 0;
};

class MemoryClipboard final : public IClipboard {
public:
    bool HasText() const override { return !text.empty(); }
    std::string Text() const override { return text; }
    void SetText(const std::string& value) override { text = value; }
    std::string text;
};

// Records help requests: topic numbers, -1 for contents, -2 for help on help.
class RecordingHelp final : public IHelpService {
public:
    void ShowTopic(int contextId) override { topics.push_back(contextId); }
    void ShowContents() override { topics.push_back(-1); }
    void ShowHelpOnHelp() override { topics.push_back(-2); }
    std::vector<int> topics;
};

// Answers the directory picker from a script; an empty entry is a Cancel.
class ScriptedPicker final : public IDirectoryPicker {
public:
    std::optional<std::string> Pick(const std::string& startFolder) override
    {
        startFolders.push_back(startFolder);
        if (answers.empty())
            return std::nullopt;
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::deque<std::optional<std::string>> answers;
    std::vector<std::string> startFolders;
};

// Answers the factor file dialogs from a script; an empty entry, or none left, is a Cancel.
class ScriptedFileChooser final : public IFileChooser {
public:
    std::optional<std::string> ChooseToOpen(const std::string& startFolder) override
    {
        offered.push_back(startFolder);
        return Next();
    }
    std::optional<std::string> ChooseToSave(const std::string& suggestedFile) override
    {
        offered.push_back(suggestedFile);
        return Next();
    }
    std::deque<std::optional<std::string>> answers;
    std::vector<std::string> offered; // start folders and suggested files, in order
private:
    std::optional<std::string> Next()
    {
        if (answers.empty())
            return std::nullopt;
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

} // namespace kalvex::testing
