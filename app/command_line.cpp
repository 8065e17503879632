#include "app/command_line.h"

#include "core/compound_value.h"
#include "core/group_ids.h"
#include "core/number_text.h"
#include "core/result_lines.h"
#include "core/text_encoding.h"
#include "storage/settings_profile.h"
#include "storage/unit_search.h"

#include <algorithm>
#include <charconv>
#include <functional>
#include <iterator>
#include <ostream>
#include <sstream>
#include <string_view>
#include <utility>

namespace kalvex {
namespace {

constexpr std::size_t kClosestNames = 3;
// A short prefix begins many names; the rest are a look at --list away.
constexpr int kMostSuggestions = 8;

constexpr const char* kUsageText =
    R"(Usage: kalvex [--convert QUERY [--digits N] [--scientific] [--as UNITS]
              | --list [--library] | --import FILE | --update-rates [URL] | --help | --version]
)";

constexpr const char* kHelpText =
    R"(Converts a value between the units of a group: in a window, or on the command line.

  --convert QUERY  print the value in every unit of the group that QUERY's unit
                   belongs to, one line per unit as "name<TAB>value<TAB>symbol";
                   QUERY is "VALUE UNIT" or "UNIT", for example "32 psi", "2 1/2 in"
                   or "miles"; VALUE is 1 when left out. Values in several units
                   of one group are added: "5 ft 11 in", 5'11", "6 lb 4 oz",
                   "11 st 3 lb", "1 h 30 min", "1:30:15", 12°30'15", "12d 30m 15s";
                   ' and " are feet and inches unless a degree sign makes them
                   minutes and seconds of arc. The sum is shown in the largest unit
                   named.
  --digits N       with --convert: N significant digits, 3 to 13
                   (default: the group's own setting)
  --scientific     with --convert: scientific notation
  --as UNITS       with --convert: also print the value over UNITS, largest
                   first, as the line "compound<TAB>5 ft 8.5 in<TAB>ft in"; for
                   example "ft in", "yd ft in", "lb oz", "st lb", "h min s", "° ' ''"
  --list           print the enabled groups and their units as
                   "group<TAB>name<TAB>symbol"
  --library        with --list: the groups of the library of extra groups
                   instead; --convert finds their units when no group of yours
                   has the unit
  --import FILE    add the factor file FILE as the next custom group
  --update-rates [URL]
                   download the day's euro reference rates (from URL, or the
                   address the settings name) into the Money group
  -h, --help       print this help and exit
  --version        print the version and exit

An option's value may also follow an equals sign: --digits=4, --import=FILE.
Without options the main window opens. The command line reads the same settings
and groups as the window and writes nothing, except --import and --update-rates,
which save a group as the window does.

Exit status:
  0  all went well
  1  the window cannot open for lack of a display
  2  the options are wrong, or a query finds no unit, units of several groups,
     only units it comes near ("did you mean ...?"), or a value the window
     would refuse
  3  --update-rates could not update the exchange rates
  4  --import added no group
  5  a module of the program is missing or cannot be loaded
)";

std::optional<int> ReadDigits(const std::string& text)
{
    int digits = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), digits);
    if (error != std::errc{} || end != text.data() + text.size() || ShownDigits(digits) != digits)
        return std::nullopt;
    return digits;
}

enum class OptionValue { None, Required, Optional };

// Our own options and what value each takes.
std::optional<OptionValue> ValueTakenBy(const std::string& option)
{
    static const std::pair<const char*, OptionValue> kOptions[] = {
        {"--help", OptionValue::None},        {"--version", OptionValue::None},
        {"--list", OptionValue::None},        {"--scientific", OptionValue::None},
        {"--convert", OptionValue::Required}, {"--digits", OptionValue::Required},
        {"--as", OptionValue::Required},      {"--library", OptionValue::None},
        {"--import", OptionValue::Required},  {"--update-rates", OptionValue::Optional},
    };
    for (const auto& [name, value] : kOptions) {
        if (option == name)
            return value;
    }
    return std::nullopt;
}

// How many words the windowing toolkit's option `word` takes, its value included; 0 when the
// word is none of its options. The toolkit reads these itself once the window's program starts.
std::size_t ToolkitOptionWords(std::string_view word)
{
    static const std::string_view kWithValue[] = {"-style",
                                                  "-stylesheet",
                                                  "-platform",
                                                  "-platformpluginpath",
                                                  "-platformtheme",
                                                  "-plugin",
                                                  "-qwindowgeometry",
                                                  "-qwindowicon",
                                                  "-qwindowtitle",
                                                  "-session",
                                                  "-display",
                                                  "-geometry",
                                                  "-title",
                                                  "-icon",
                                                  "-name",
                                                  "-visual"};
    static const std::string_view kFlags[] = {"-widgetcount", "-reverse", "-nograb", "-dograb",
                                              "-testability"};
    static const std::string_view kAttached[] = {
        "-style=", "-stylesheet=", "-qmljsdebugger=", "-dialogs=", "-fontengine="};
    if (std::ranges::find(kFlags, word) != std::end(kFlags) ||
        std::ranges::any_of(kAttached, [&](std::string_view prefix) { return word.starts_with(prefix); }))
        return 1;
    return std::ranges::find(kWithValue, word) != std::end(kWithValue) ? 2 : 0;
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

// The units --as names, in the group of the match, largest first; nothing after a message.
std::optional<std::vector<GroupCompoundUnit>>
CompoundUnitsOf(const UnitFinder& finder, const UnitMatch& match, const std::string& words, std::ostream& err)
{
    const QueryGroup& group = finder.Groups()[std::size_t(match.group)];
    std::vector<std::pair<double, GroupCompoundUnit>> units;
    std::istringstream spellings(words);
    for (std::string spelling; spellings >> spelling;) {
        const std::optional<UnitMatch> found = finder.UnitInGroup(spelling, match.group);
        if (!found || finder.Unit(*found).size <= 0.0) {
            err << "kalvex: --as: " << Quoted(spelling) << " is no unit of " << group.name
                << " that values can be written over\n";
            return std::nullopt;
        }
        const QueryUnit& unit = finder.Unit(*found);
        units.push_back({unit.size * unit.multiple, {unit.unit, unit.multiple, Trimmed(unit.symbol)}});
    }
    std::ranges::stable_sort(units, std::greater{}, &std::pair<double, GroupCompoundUnit>::first);
    std::vector<GroupCompoundUnit> result;
    for (auto& unit : units)
        result.push_back(std::move(unit.second));
    return result;
}

int Convert(const CommandLine& request, const ISettingsStore& settings, std::ostream& out, std::ostream& err)
{
    UnitSearch search(LoadEnabledGroups(settings, ReadSetting(settings, profile::kConvFilePath)),
                      request.libraryDir);
    const UnitSearch::Result result = search.Find(request.query, request.decimalSeparator);
    const UnitFinder& finder = search.Finder(result.inLibrary);
    const FoundUnits& found = result.found;
    if (!found.problem.empty()) {
        err << "kalvex: " << found.problem << '\n';
        return kExitRefused;
    }
    if (found.matches.empty())
        return ReportNoUnit(finder, request, found, err);
    if (found.suggested)
        return ReportSuggestions(finder, found, err);
    if (!found.taken)
        return ReportSeveralGroups(finder, found, err);
    const UnitMatch& match = found.matches.front();
    if (result.inLibrary)
        err << "kalvex: from the library group " << Quoted(finder.Groups()[std::size_t(match.group)].name)
            << "; kalvex --import " << search.LibraryFile(match.group) << " adds it to your groups\n";
    for (int i = 1; i < found.bestCount; ++i)
        err << "kalvex: also matches " << finder.Label(found.matches[std::size_t(i)]) << '\n';

    const ValueToOpen opened = finder.OpenedValue(found, match, request.decimalSeparator);
    const EntryReading reading = opened.problem.empty() ? ReadEntry(opened.text, request.decimalSeparator)
                                                        : EntryReading{0.0, opened.problem};
    const int unit = finder.Unit(match).unit;
    CatalogGroup& group = search.Group(result.inLibrary, match.group);
    const bool temperature = group.groupId == kTemperatureId;
    std::optional<std::vector<GroupCompoundUnit>> compoundUnits;
    if (!request.compoundUnits.empty() &&
        !(compoundUnits = CompoundUnitsOf(finder, match, request.compoundUnits, err)))
        return kExitRefused;
    const int digits = request.digits.value_or(
        ShownDigits(temperature ? ReadSetting(settings, profile::kNumDigits) : group.group.m_digits));
    ConversionRows rows;
    if (!reading.problem.empty()) {
        rows.refusal = reading.problem;
    } else if (temperature) {
        const bool scientific = request.scientific || ReadSetting(settings, profile::kScientific) != 0;
        rows = TemperatureRows(unit, reading.value, {digits, scientific});
    } else {
        const bool scientific = request.scientific || group.group.m_scientific != 0;
        rows = GroupRows(group.group, group.name, ShownUnits(group.group), unit, reading.value,
                         {digits, scientific});
    }
    if (!rows.refusal.empty()) {
        err << "kalvex: " << rows.refusal << '\n';
        return kExitRefused;
    }
    out << ResultLinesText(rows.lines);
    if (compoundUnits) {
        std::string symbols;
        for (const GroupCompoundUnit& part : *compoundUnits)
            symbols += (symbols.empty() ? "" : " ") + part.symbol;
        out << ResultLinesText({{"compound",
                                 GroupCompoundText(group.group, reading.value, unit, *compoundUnits, digits),
                                 symbols,
                                 {}}});
    }
    return kExitOk;
}

int List(const CommandLine& request, const ISettingsStore& settings, std::ostream& out)
{
    const std::vector<CatalogGroup> groups =
        request.library ? LoadLibrary(request.libraryDir).groups
                        : LoadEnabledGroups(settings, ReadSetting(settings, profile::kConvFilePath));
    for (const QueryGroup& group : QueryGroups(groups))
        for (const QueryUnit& unit : group.units)
            out << group.name << '\t' << unit.name << '\t' << unit.symbol << '\n';
    return kExitOk;
}

} // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments)
{
    CommandLine request;
    bool help = false, version = false, list = false, convert = false, convertOptions = false;
    bool import = false, updateRates = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& word = arguments[i];
        if (!word.starts_with("--")) {
            if (word == "-h") {
                help = true;
                continue;
            }
            const std::size_t toolkitWords = ToolkitOptionWords(word);
            if (toolkitWords == 0)
                return Mistake(word.starts_with('-') && word.size() > 1 ? "unknown option " + word
                                                                        : "unexpected argument " + word);
            if (i + toolkitWords > arguments.size())
                return Mistake(word + " needs a value");
            i += toolkitWords - 1;
            continue;
        }
        // "--digits=4" is "--digits 4".
        const std::size_t equals = word.find('=');
        const std::string option = word.substr(0, equals);
        const std::optional<OptionValue> takes = ValueTakenBy(option);
        if (!takes)
            return Mistake("unknown option " + option);
        if (equals != std::string::npos && *takes == OptionValue::None)
            return Mistake(option + " takes no value");
        // An optional value is the next word only when that is no option of its own.
        const bool nextIsValue = i + 1 < arguments.size() &&
                                 (*takes == OptionValue::Required ||
                                  (*takes == OptionValue::Optional && !arguments[i + 1].starts_with('-')));
        const std::optional<std::string> value = equals != std::string::npos
                                                     ? std::optional(word.substr(equals + 1))
                                                 : nextIsValue ? std::optional(arguments[++i])
                                                               : std::nullopt;
        if (option == "--help") {
            help = true;
        } else if (option == "--version") {
            version = true;
        } else if (option == "--list") {
            list = true;
        } else if (option == "--library") {
            request.library = true;
        } else if (option == "--convert") {
            if (!value)
                return Mistake("--convert needs a query, for example --convert \"32 psi\"");
            request.query = *value;
            convert = true;
        } else if (option == "--digits") {
            request.digits = value ? ReadDigits(*value) : std::nullopt;
            if (!request.digits)
                return Mistake("--digits needs a whole number from 3 to 13");
            convertOptions = true;
        } else if (option == "--as") {
            if (!value || value->find_first_not_of(' ') == std::string::npos)
                return Mistake("--as needs units, for example --as \"ft in\"");
            request.compoundUnits = *value;
            convertOptions = true;
        } else if (option == "--scientific") {
            request.scientific = true;
            convertOptions = true;
        } else if (option == "--import") {
            if (!value || value->empty())
                return Mistake("--import needs a factor file, for example --import Group.fsf");
            request.file = *value;
            import = true;
        } else if (option == "--update-rates") {
            request.url = value.value_or("");
            updateRates = true;
        }
    }
    // Help and version answer whatever else was asked.
    if (help || version) {
        request.action = help ? CommandLine::Action::Help : CommandLine::Action::Version;
        return request;
    }
    if (int(convert) + int(list) + int(import) + int(updateRates) > 1)
        return Mistake("--convert, --list, --import and --update-rates cannot be given together");
    if (convertOptions && !convert)
        return Mistake("--digits, --scientific and --as go with --convert");
    if (request.library && !list)
        return Mistake("--library goes with --list");
    if (convert)
        request.action = CommandLine::Action::Convert;
    else if (list)
        request.action = CommandLine::Action::List;
    else if (import)
        request.action = CommandLine::Action::Import;
    else if (updateRates)
        request.action = CommandLine::Action::UpdateRates;
    return request;
}

int RunCommandLine(const CommandLine& request, const ISettingsStore& settings, const std::string& version,
                   std::ostream& out, std::ostream& err)
{
    switch (request.action) {
    case CommandLine::Action::Help:
        out << kUsageText << kHelpText;
        return kExitOk;
    case CommandLine::Action::Version:
        out << "Kalvex! " << version << '\n';
        return kExitOk;
    case CommandLine::Action::Convert:
        return Convert(request, settings, out, err);
    case CommandLine::Action::List:
        return List(request, settings, out);
    case CommandLine::Action::Mistake:
    case CommandLine::Action::Import:
    case CommandLine::Action::UpdateRates:
    case CommandLine::Action::Window:
        break;
    }
    err << "kalvex: " << request.mistake << '\n' << kUsageText;
    return kExitRefused;
}

} // namespace kalvex
