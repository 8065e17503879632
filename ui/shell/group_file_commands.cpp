#include "ui/shell/group_file_commands.h"

#include "core/conversion.h"
#include "core/group_ids.h"
#include "platform/qt/dialog_runner.h"
#include "platform/regular_file.h"
#include "storage/app_state.h"
#include "storage/custom_group_removal.h"
#include "storage/factor_file.h"
#include "storage/group_counts.h"
#include "storage/group_import.h"
#include "storage/library_groups.h"
#include "ui/editing/group_name_dlg.h"
#include "ui/shell/launcher_commands.h"
#include "ui/shell/launcher_texts.h"

#include <QDialog>
#include <QDir>
#include <QString>
#include <filesystem>

namespace kalvex {
namespace {

const char* const kDeleteQuestion =
    "Delete the custom group \"%1\"?\nIts units and factors are removed for good; the custom groups "
    "after it move down one place.";
const char* const kDeleteIncompleteText =
    "The group could not be deleted completely. Check that the folder %1 can be written; every "
    "group listed can still be opened.";
const char* const kDeleteMovedText =
    "The custom groups changed while the question was open, and \"%1\" is no longer where it was. "
    "Nothing has been deleted.";
const char* const kExportFailedText = "The group could not be written to %1.";
const char* const kReplaceQuestion = "%1 already exists.\nDo you want to replace it?";
const char* const kFactorFileExtension = ".fsf";
const char* const kAddLibraryGroupQuestion =
    "Add the library group \"%1\" to your groups?\nIt becomes one of your custom groups and opens with "
    "the value typed.";

std::string WithFactorFileExtension(const std::string& file)
{
    if (QString::fromStdString(file).endsWith(QLatin1String(kFactorFileExtension), Qt::CaseInsensitive))
        return file;
    return file + kFactorFileExtension;
}

QString Q(const std::string& text)
{
    return QString::fromStdString(text);
}

} // namespace

GroupFileCommands::GroupFileCommands(AppState& app, QWidget& owner, std::function<void()> groupsChanged)
    : m_app(app), m_owner(owner), m_groupsChanged(std::move(groupsChanged))
{
}

std::string GroupFileCommands::LibraryFolder() const
{
    const std::string library = LibraryDir(m_app.m_programDir);
    return library.empty() ? m_app.m_factorPath : library;
}

void GroupFileCommands::ImportGroup()
{
    // Refused before a file is chosen, as New Custom refuses before its editor opens.
    if (m_app.m_numCust >= kMaxCustomGroups) {
        ShowCustomGroupLimit(*m_app.services.messages);
        return;
    }
    if (const std::optional<std::string> file = m_app.services.files->ChooseToOpen(LibraryFolder()))
        ImportFile(*file);
}

int GroupFileCommands::AddLibraryGroup(const std::string& file, const std::string& name)
{
    IMessageService& messages = *m_app.services.messages;
    messages.Beep(MessageIcon::Question);
    if (messages.Show({QString::fromLatin1(kAddLibraryGroupQuestion).arg(Q(name)).toStdString(), "",
                       MessageButtons::YesNo, MessageIcon::Question}) != MessageAnswer::Yes)
        return 0;
    return ImportFile(file);
}

int GroupFileCommands::ImportFile(const std::string& file)
{
    CConversion group;
    if (const std::optional<std::string> refusal = ReadGroupToImport(file, group)) {
        Warn(*refusal);
        return 0;
    }
    if (!AskForFreeName(group.m_name))
        return 0;
    // Another window or `kalvex --import` may have taken the last number while the chooser was open.
    const ImportOutcome outcome = AddImportedGroup(m_app, group);
    if (outcome.limitReached)
        ShowCustomGroupLimit(*m_app.services.messages);
    else if (!outcome.refusal.empty())
        Warn(outcome.refusal);
    if (outcome.groupId != 0)
        m_groupsChanged();
    return outcome.groupId;
}

bool GroupFileCommands::AskForFreeName(std::string& name)
{
    const std::vector<std::string> names = GroupNamesInUse(m_app);
    while (IsNameInUse(names, name)) {
        CGroupNameDlg dialog(Q(name), Q(FreeGroupName(names, name)), &m_owner);
        if (m_app.services.dialogs->Run(dialog) != QDialog::Accepted || dialog.Name().isEmpty())
            return false;
        name = dialog.Name().toStdString();
    }
    return true;
}

void GroupFileCommands::ExportGroup(int groupId)
{
    if (groupId == kTemperatureId || !(IsStandardGroup(groupId) || IsCustomGroup(groupId)))
        return;
    const std::string source = FactorFileName(m_app.m_factorPath, groupId);
    // Only a file that loads is passed on; its bytes go out unchanged.
    CConversion group;
    const FileBytes read = ReadRegularFile(source, kMaxFactorFileSize);
    if (read.status != ReadStatus::Read || !group.Deserialize(read.bytes)) {
        Warn(kMissingGroupFileText);
        return;
    }
    QString fileName = Q(group.m_name.empty() ? GroupTag(groupId) : group.m_name);
    fileName.replace(QLatin1Char('/'), QLatin1Char('-'));
    // The user's own folder: a copy for others does not belong among the program's files.
    const std::string suggested = (QDir::homePath() + u'/' + fileName + QStringLiteral(".fsf")).toStdString();
    const std::optional<std::string> chosen = m_app.services.files->ChooseToSave(suggested);
    if (!chosen)
        return;
    const std::string target = WithFactorFileExtension(*chosen);
    if (!MayReplace(target))
        return;
    if (ReplaceFileAtomically(target, read.bytes) != SaveStatus::Saved)
        Warn(QString::fromLatin1(kExportFailedText).arg(Q(target)).toStdString());
}

// Asked here, about the name finally written: the file dialog only knows the name typed.
bool GroupFileCommands::MayReplace(const std::string& file)
{
    std::error_code error;
    if (std::filesystem::symlink_status(file, error).type() == std::filesystem::file_type::not_found)
        return true;
    IMessageService& messages = *m_app.services.messages;
    messages.Beep(MessageIcon::Question);
    return messages.Show({QString::fromLatin1(kReplaceQuestion).arg(Q(file)).toStdString(), "",
                          MessageButtons::YesNo, MessageIcon::Question}) == MessageAnswer::Yes;
}

void GroupFileCommands::DeleteCustom(int groupId)
{
    if (!IsCustomGroup(groupId) || CustomNumber(groupId) > m_app.m_numCust)
        return;
    CConversion group;
    const QString name = LoadFactorFile(FactorFileName(m_app.m_factorPath, groupId), group)
                             ? Q(group.m_name)
                             : QString::fromLatin1(kNotFoundName);
    IMessageService& messages = *m_app.services.messages;
    messages.Beep(MessageIcon::Question);
    const MessageAnswer answer = messages.Show({QString::fromLatin1(kDeleteQuestion).arg(name).toStdString(),
                                                "", MessageButtons::YesNo, MessageIcon::Question});
    if (answer != MessageAnswer::Yes)
        return;
    // The groups may have changed while the question was open; only the group asked about goes.
    const RemovalOutcome outcome = RemoveCustomGroup(m_app, CustomNumber(groupId), name.toStdString());
    if (outcome == RemovalOutcome::Moved)
        Warn(QString::fromLatin1(kDeleteMovedText).arg(name).toStdString());
    else if (outcome == RemovalOutcome::Failed)
        Warn(QString::fromLatin1(kDeleteIncompleteText).arg(Q(m_app.m_factorPath)).toStdString());
    m_groupsChanged();
}

void GroupFileCommands::Warn(const std::string& text)
{
    m_app.services.messages->Beep(MessageIcon::Warning);
    m_app.services.messages->Show({text, "", MessageButtons::Ok, MessageIcon::Warning});
}

} // namespace kalvex
