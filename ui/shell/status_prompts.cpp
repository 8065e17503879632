#include "ui/shell/status_prompts.h"

#include "core/group_ids.h"
#include "storage/app_state.h"
#include "ui/shell/command_ids.h"

#include <optional>
#include <utility>

namespace kalvex {
namespace {

QString GroupText(const std::string& text)
{
    return QString::fromStdString(text);
}

} // namespace

QString FixedPrompt(int commandId)
{
    static const std::pair<int, const char*> kPrompts[] = {
        {command::kPath, "Change the factor file search path"},
        {command::kNewCustom, "Add a new custom conversion group"},
        {command::kGroups, "Turn conversion groups on and off."},
        {command::kFindUnit, "Find a unit by its name or symbol and convert a value in it"},
        {command::kUpdateRates, "Download today's exchange rates into the Money group"},
        {command::kImportGroup, "Add a group from a factor file as a new custom group"},
        {command::kExportGroup, "Save the selected group to a factor file"},
        {command::kDeleteGroup, "Delete the selected custom group"},
        {kTemperatureId, "fahrenheit, celsius, kelvin..."},
        {command::kHelpTables, "Tables of conversion units"},
        {command::kHelpKeyboard, "Help for keyboard functions"},
        {command::kHelpCommands, "Help for Kalvex! commands"},
        {command::kHelpProcedures, "How to do things with Kalvex!"},
        {command::kHelpBackground, "Information on weights and measures"},
        {command::kHelpGlossary, "Glossary of terms used in Kalvex!"},
        {command::kAbout, "Display program information, version number and copyright"},
        {command::kExit, "Quit the application"},
        {command::kHelpIndex, "List Help topics"},
        {command::kHelpUsing, "Display instructions about how to use help"},
        {command::kContextHelp, "Display help for clicked on buttons, menus and windows"},
        {command::kHelp, "Display help for current task or command"},
        {command::kStatusBar, "Show or hide the status bar"},
    };
    for (const auto& [id, text] : kPrompts) {
        if (id == commandId)
            return QString::fromLatin1(text);
    }
    return {};
}

QString CommandPrompt(int n, const AppState& app)
{
    // The group a command belongs to: its id less the command's offset, within [first, last].
    const auto groupOf = [n](int offset, int first, int last) -> std::optional<std::size_t> {
        const int id = n - offset;
        if (id < first || id > last)
            return std::nullopt;
        return std::size_t(GroupIndex(id));
    };
    const auto name = [&app](std::size_t index) { return GroupText(app.m_groupNames[index]); };
    if (const auto index = groupOf(0, kFirstFactorGroupId, kLastCustomGroupId))
        return GroupText(app.m_groupPrompts[*index]);
    if (const auto index = groupOf(kDisableCommandOffset, kTemperatureId, kLastCustomGroupId))
        return QStringLiteral("Disable the ") + name(*index) + QStringLiteral(" group");
    if (const auto index = groupOf(kUnitsCommandOffset, kFirstFactorGroupId, kLastCustomGroupId))
        return QStringLiteral("Change the ") + name(*index) + QStringLiteral(" units");
    if (const auto index = groupOf(kFactorsCommandOffset, kFirstFactorGroupId, kLastCustomGroupId))
        return QStringLiteral("Change the ") + name(*index) + QStringLiteral(" factors");
    if (const auto index = groupOf(kDeleteCommandOffset, CustomGroupId(1), kLastCustomGroupId))
        return QStringLiteral("Delete the ") + name(*index) + QStringLiteral(" group");
    return FixedPrompt(n);
}

QString IdlePromptText()
{
    return QStringLiteral("Kalvex! Vela 3.5 -- For Help, press F1");
}

} // namespace kalvex
