#pragma once

#include "platform/regular_file.h"

#include <string>
#include <vector>

namespace kalvex {

class IMessageService;

// The files one operation (a start-up check, a commit) could not save, so the user is told
// once, at its end, what was not saved and where.
class UnsavedFiles {
public:
    void Note(const std::string& file, SaveStatus status);
    bool Empty() const { return m_lines.empty(); }
    // One warning listing every file noted since the last report; nothing when none was.
    void Report(IMessageService& messages);

private:
    std::vector<std::string> m_lines;
};

// Tells the user at once when the one file an operation saves was not saved.
void ReportUnsaved(IMessageService& messages, const std::string& file, SaveStatus status);

} // namespace kalvex
