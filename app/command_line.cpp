#include "app/command_line.h"

#include "core/group_ids.h"
#include "core/number_text.h"
#include "core/result_lines.h"
#include "storage/settings_profile.h"
#include "storage/unit_catalog.h"

#include <algorithm>
#include <charconv>
#include <ostream>

namespace kalvex {
namespace {

constexpr std::size_t kClosestNames = 3;
// A short prefix begins many names; the rest are a look at --list away.
constexpr int kMostSuggestions = 8;

constexpr const char* kHelpText =
    R"(Usage: kalvex [--convert QUERY [--digits N] [--scientific] | --list | --update-rates [URL]
              | --help | --version]
Converts a value between the units of a group: in a window, or on the command line.

  --convert QUERY  print the value in every unit of the group that QUERY's unit
                   belongs to, one line per unit as "name<TAB>value<TAB>symbol";
                   QUERY is "VALUE UNIT" or "UNIT", for example "32 psi", "2 1/2 in"
                   or "miles"; VALUE is 1 when left out
  --digits N       with --convert: N significant digits, 3 to 13
                   (default: the group's own setting)
  --scientific     with --convert: scientific notation
  --list           print the enabled groups and their units as
                   "group<TAB>name<TAB>symbol"
  --update-rates [URL]
                   download the day's euro reference rates (from URL, or the
                   address the settings name) into the Money group
  --help           print this help and exit
  --version        print the version and exit

Without options the main window opens. The command line reads the same settings
and groups as the window and writes nothing, except --update-rates, which saves
the Money group as the window's update does.

Exit status: 0 when all went well; 1 when the window cannot open for lack of a
display; 2 when the options are wrong, or a query finds no unit, units of several
groups, only units it comes near ("did you mean ...?"), or a value the window
would refuse.
)";

std::optional<int> ReadDigits(const std::string& text)
{
    int digits = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), digits);
    if (error != std::errc{} || end != text.data() + text.size() || ShownDigits(digits) != digits)
        return std::nullopt;
    return digits;
}

CommandLine Mistake(std::string what)
{
    CommandLine request;
    request.action = CommandLine::Action::Mistake;
    request.mistake = std::move(what);
    return request;
}

std::string Quoted(const std::string& text)
{
    return '"' + text + '"';
}

int ReportNoUnit(const UnitFinder& finder, const CommandLine& request, const FoundUnits& found,
                 std::ostream& err)
{
    err << "kalvex: no unit matches " << Quoted(found.text.unit.empty() ? request.query : found.text.unit);
    const auto closest = finder.ClosestNames(found.text.unit, kClosestNames);
    for (std::size_t i = 0; i < closest.size(); ++i)
        err << (i == 0 ? "; closest: " : ", ") << closest[i];
    err << '\n';
    return kExitRefused;
}

int ReportSeveralGroups(const UnitFinder& finder, const FoundUnits& found, std::ostream& err)
{
    err << "kalvex: " << Quoted(found.text.unit) << " matches units of several groups:\n";
    for (int i = 0; i < found.bestCount; ++i)
        err << "  " << finder.Label(found.matches[std::size_t(i)]) << '\n';
    return kExitRefused;
}

int ReportSuggestions(const UnitFinder& finder, const FoundUnits& found, std::ostream& err)
{
    const int shown = std::min(found.bestCount, kMostSuggestions);
    for (int i = 0; i < shown; ++i)
        err << "kalvex: did you mean " << finder.Label(found.matches[std::size_t(i)]) << "?\n";
    if (found.bestCount > shown)
        err << "kalvex: and " << found.bestCount - shown << " more; kalvex --list names every unit\n";
    return kExitRefused;
}

int Convert(const CommandLine& request, const ISettingsStore& settings, std::ostream& out, std::ostream& err)
{
    std::vector<CatalogGroup> groups =
        LoadEnabledGroups(settings, ReadSetting(settings, profile::kConvFilePath));
    const UnitFinder finder(QueryGroups(groups));
    const FoundUnits found = finder.Find(request.query);
    if (found.matches.empty())
        return ReportNoUnit(finder, request, found, err);
    if (found.suggested)
        return ReportSuggestions(finder, found, err);
    if (!found.taken)
        return ReportSeveralGroups(finder, found, err);
    const UnitMatch& match = found.matches.front();
    for (int i = 1; i < found.bestCount; ++i)
        err << "kalvex: also matches " << finder.Label(found.matches[std::size_t(i)]) << '\n';

    const EntryReading reading =
        ReadEntry(found.text.value.empty() ? "1" : found.text.value, request.decimalSeparator);
    const int unit = finder.Unit(match).unit;
    CatalogGroup& group = groups[std::size_t(match.group)];
    ConversionRows rows;
    if (!reading.problem.empty()) {
        rows.refusal = reading.problem;
    } else if (group.groupId == kTemperatureId) {
        const int digits = request.digits.value_or(ShownDigits(ReadSetting(settings, profile::kNumDigits)));
        const bool scientific = request.scientific || ReadSetting(settings, profile::kScientific) != 0;
        rows = TemperatureRows(unit, reading.value, {digits, scientific});
    } else {
        const int digits = request.digits.value_or(ShownDigits(group.group.m_digits));
        const bool scientific = request.scientific || group.group.m_scientific != 0;
        rows = GroupRows(group.group, group.name, ShownUnits(group.group), unit, reading.value,
                         {digits, scientific});
    }
    if (!rows.refusal.empty()) {
        err << "kalvex: " << rows.refusal << '\n';
        return kExitRefused;
    }
    out << ResultLinesText(rows.lines);
    return kExitOk;
}

int List(const ISettingsStore& settings, std::ostream& out)
{
    for (const QueryGroup& group :
         QueryGroups(LoadEnabledGroups(settings, ReadSetting(settings, profile::kConvFilePath))))
        for (const QueryUnit& unit : group.units)
            out << group.name << '\t' << unit.name << '\t' << unit.symbol << '\n';
    return kExitOk;
}

} // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments)
{
    CommandLine request;
    bool help = false, version = false, list = false, convert = false, convertOptions = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        // "--digits=4" is "--digits 4".
        const std::size_t equals =
            arguments[i].starts_with("--") ? arguments[i].find('=') : std::string::npos;
        const std::string argument = arguments[i].substr(0, equals);
        const std::optional<std::string> attached =
            equals == std::string::npos ? std::nullopt : std::optional(arguments[i].substr(equals + 1));
        const bool takesValue = argument == "--convert" || argument == "--digits";
        if (attached && !takesValue)
            return Mistake(argument + " takes no value");
        const std::string* following = attached                                 ? &*attached
                                       : takesValue && i + 1 < arguments.size() ? &arguments[++i]
                                                                                : nullptr;
        if (argument == "--help" || argument == "-h") {
            help = true;
        } else if (argument == "--version") {
            version = true;
        } else if (argument == "--list") {
            list = true;
        } else if (argument == "--convert") {
            if (!following)
                return Mistake("--convert needs a query, for example --convert \"32 psi\"");
            request.query = *following;
            convert = true;
        } else if (argument == "--digits") {
            request.digits = following ? ReadDigits(*following) : std::nullopt;
            if (!request.digits)
                return Mistake("--digits needs a whole number from 3 to 13");
            convertOptions = true;
        } else if (argument == "--scientific") {
            request.scientific = true;
            convertOptions = true;
        } else if (argument.starts_with("--")) {
            return Mistake("unknown option " + argument);
        }
    }
    // Help and version answer whatever else was asked.
    if (help || version) {
        request.action = help ? CommandLine::Action::Help : CommandLine::Action::Version;
        return request;
    }
    if (convert && list)
        return Mistake("--convert and --list cannot be given together");
    if (convertOptions && !convert)
        return Mistake("--digits and --scientific go with --convert");
    if (convert)
        request.action = CommandLine::Action::Convert;
    else if (list)
        request.action = CommandLine::Action::List;
    return request;
}

int RunCommandLine(const CommandLine& request, const ISettingsStore& settings, const std::string& version,
                   std::ostream& out, std::ostream& err)
{
    switch (request.action) {
    case CommandLine::Action::Help:
        out << kHelpText;
        return kExitOk;
    case CommandLine::Action::Version:
        out << "Kalvex! " << version << '\n';
        return kExitOk;
    case CommandLine::Action::Convert:
        return Convert(request, settings, out, err);
    case CommandLine::Action::List:
        return List(settings, out);
    case CommandLine::Action::Mistake:
    case CommandLine::Action::Window:
        break;
    }
    err << "kalvex: " << request.mistake << "; see kalvex --help\n";
    return kExitRefused;
}

} // namespace kalvex
