#include "storage/unsaved_files.h"

#include "platform/message_service.h"

namespace kalvex {

void UnsavedFiles::Note(const std::string& file, SaveStatus status)
{
    if (status == SaveStatus::ReadOnly)
        m_lines.push_back(file + " (read-only)");
    else if (status == SaveStatus::Failed)
        m_lines.push_back(file);
}

void UnsavedFiles::Report(IMessageService& messages)
{
    if (m_lines.empty())
        return;
    std::string text = "These factor files could not be saved:\n";
    for (const std::string& line : m_lines)
        text += "\n" + line;
    text += "\n\nThe folder may be read-only or the disk full. Your changes to them are not stored.";
    m_lines.clear();
    messages.Beep(MessageIcon::Warning);
    messages.Show({text, "", MessageButtons::Ok, MessageIcon::Warning});
}

void ReportUnsaved(IMessageService& messages, const std::string& file, SaveStatus status)
{
    UnsavedFiles unsaved;
    unsaved.Note(file, status);
    unsaved.Report(messages);
}

} // namespace kalvex
