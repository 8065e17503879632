#include "ui/shell/status_prompts.h"

#include "storage/app_state.h"
#include "ui/shell/command_ids.h"

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
        {4103, "fahrenheit, celsius, kelvin..."},
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
    if (n >= 4104 && n <= 4132)
        return GroupText(app.m_groupPrompts[std::size_t(n - 4103)]);
    if (n >= 4352 && n <= 4381)
        return QStringLiteral("Disable the ") + GroupText(app.m_groupNames[std::size_t(n - 4352)]) +
               QStringLiteral(" group");
    if (n >= 4153 && n <= 4181)
        return QStringLiteral("Change the ") + GroupText(app.m_groupNames[std::size_t(n - 4152)]) +
               QStringLiteral(" units");
    if (n >= 4253 && n <= 4281)
        return QStringLiteral("Change the ") + GroupText(app.m_groupNames[std::size_t(n - 4252)]) +
               QStringLiteral(" factors");
    return FixedPrompt(n);
}

QString IdlePromptText()
{
    return QStringLiteral("Kalvex! Vela 3.5 -- For Help, press F1");
}

} // namespace kalvex
