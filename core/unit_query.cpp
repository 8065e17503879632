#include "core/unit_query.h"

#include "core/text_encoding.h"
#include "core/unit_aliases.h"

#include <algorithm>
#include <numeric>
#include <tuple>

namespace kalvex {
namespace {

constexpr std::size_t kMostSingularVariants = 8;
constexpr std::size_t kMostSumParts = 8;
// Longer texts are near no unit name; comparing more of them only costs time.
constexpr std::size_t kLongestComparedText = 64;

bool EndsWith(std::string_view text, std::string_view end)
{
    return text.size() > end.size() && text.substr(text.size() - end.size()) == end;
}

std::string SingularWord(std::string_view word)
{
    if (word == "feet")
        return "foot";
    if (word == "millennia")
        return "millennium";
    if (EndsWith(word, "ies"))
        return std::string(word.substr(0, word.size() - 3)) + "y";
    for (std::string_view end : {"ches", "shes", "sses", "xes"})
        if (EndsWith(word, end))
            return std::string(word.substr(0, word.size() - 2));
    if (EndsWith(word, "s") && !EndsWith(word, "ss") && word.size() > 2)
        return std::string(word.substr(0, word.size() - 1));
    return std::string(word);
}

std::string JoinWords(const std::vector<std::string>& words)
{
    std::string text;
    for (const std::string& word : words)
        text += (text.empty() ? "" : " ") + word;
    return text;
}

// The lower-case unit text, then the singular forms that differ from it: each word on its own
// ("degrees celsius" reads as "degree celsius") and all words together ("miles per hours").
std::vector<std::string> Spellings(std::string_view unitText)
{
    std::vector<std::string> spellings{AsciiLower(unitText)};
    std::vector<std::string> words;
    for (std::string_view rest = spellings.front(); !rest.empty();) {
        const std::size_t blank = rest.find(' ');
        words.emplace_back(rest.substr(0, blank));
        rest = blank == std::string_view::npos ? std::string_view{} : rest.substr(blank + 1);
    }
    auto add = [&spellings](std::string spelling) {
        if (std::ranges::find(spellings, spelling) == spellings.end())
            spellings.push_back(std::move(spelling));
    };
    std::vector<std::string> allSingular = words;
    for (std::size_t i = 0; i < words.size(); ++i) {
        allSingular[i] = SingularWord(words[i]);
        // Unit names have a few words; a pasted page must not cost one copy of itself per word.
        if (i < kMostSingularVariants) {
            std::vector<std::string> oneSingular = words;
            oneSingular[i] = allSingular[i];
            add(JoinWords(oneSingular));
        }
    }
    add(JoinWords(allSingular));
    return spellings;
}

// The name with every parenthesised qualifier taken out; empty when it has none.
std::string BareName(std::string_view lowerName)
{
    if (lowerName.find('(') == std::string_view::npos)
        return {};
    std::string bare;
    int depth = 0;
    for (char c : lowerName) {
        if (c == '(')
            ++depth;
        else if (c == ')')
            depth = std::max(depth - 1, 0);
        else if (depth == 0)
            bare += c;
    }
    return CollapseBlanks(bare);
}

bool IsOneOf(const std::string& text, const std::vector<std::string>& spellings)
{
    return std::ranges::find(spellings, text) != spellings.end();
}

// Levenshtein distance; row is working space kept by the caller across calls.
std::size_t EditDistance(std::string_view a, std::string_view b, std::vector<std::size_t>& row)
{
    row.resize(b.size() + 1);
    std::iota(row.begin(), row.end(), std::size_t{0});
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

// Rank of a unit among the preferred units; past their end when it is not one of them.
int Preference(const QueryGroup& group, const QueryUnit& unit)
{
    const std::span<const PreferredUnit> preferred = PreferredUnits();
    const auto isUnit = [&](const PreferredUnit& p) {
        return p.groupId == group.groupId && p.unitName == unit.name;
    };
    return int(std::ranges::find_if(preferred, isUnit) - preferred.begin());
}

} // namespace

struct UnitFinder::QueryText {
    std::string_view text;
    std::vector<std::string> spellings; // lower case, then singular forms
    std::optional<std::string> typed;   // the symbol of an ASCII spelling
    std::string lowerTyped;
};

UnitFinder::UnitFinder(std::vector<QueryGroup> groups) : m_groups(std::move(groups))
{
    AddScaledUnits();
    for (int g = 0; g < int(m_groups.size()); ++g) {
        const auto& units = m_groups[std::size_t(g)].units;
        for (int e = 0; e < int(units.size()); ++e) {
            const QueryUnit& unit = units[std::size_t(e)];
            std::string lowerName = AsciiLower(CollapseBlanks(unit.name));
            std::string bare = BareName(lowerName);
            m_entries.push_back({g, e, std::move(lowerName), std::move(bare), AsciiLower(unit.symbol),
                                 AsciiLower(unit.code), Preference(m_groups[std::size_t(g)], unit)});
        }
    }
    ResolveAliases();
}

void UnitFinder::AddScaledUnits()
{
    for (const ScaledUnit& scaled : ScaledUnits()) {
        for (QueryGroup& group : m_groups) {
            if (group.groupId != scaled.groupId)
                continue;
            const auto base = std::ranges::find(group.units, scaled.unitName, &QueryUnit::name);
            if (base != group.units.end())
                group.units.push_back({std::string(scaled.name),
                                       std::string(scaled.symbol),
                                       base->unit,
                                       {},
                                       base->size,
                                       scaled.multiple});
        }
    }
}

void UnitFinder::ResolveAliases()
{
    for (const UnitAlias& alias : UnitAliases()) {
        for (int i = 0; i < int(m_entries.size()); ++i) {
            const Entry& entry = m_entries[std::size_t(i)];
            const QueryGroup& group = m_groups[std::size_t(entry.group)];
            if (group.groupId == alias.groupId &&
                group.units[std::size_t(entry.entry)].name == alias.unitName) {
                const bool exact = alias.spelling.size() == 1;
                m_aliases.push_back({exact ? std::string(alias.spelling) : AsciiLower(alias.spelling), i});
            }
        }
    }
}

bool UnitFinder::AliasMatches(const AliasTarget& alias, std::string_view unitText,
                              const std::vector<std::string>& spellings) const
{
    if (alias.spelling.size() == 1)
        return unitText == alias.spelling;
    return IsOneOf(alias.spelling, spellings);
}

std::optional<MatchKind> UnitFinder::SpellingMatch(const Entry& entry, const QueryText& query) const
{
    const QueryUnit& unit = m_groups[std::size_t(entry.group)].units[std::size_t(entry.entry)];
    // Codes are never empty here: a query's unit text is not.
    const auto isSymbol = [&unit](std::string_view text) { return text == unit.symbol || text == unit.code; };
    const auto isLowerSymbol = [&entry](std::string_view lower) {
        return lower == entry.lowerSymbol || lower == entry.lowerCode;
    };
    const std::string& lower = query.spellings.front();
    if (isSymbol(query.text))
        return MatchKind::Symbol;
    if (query.typed && isSymbol(*query.typed))
        return MatchKind::TypedSymbol;
    if (IsOneOf(entry.lowerName, query.spellings))
        return MatchKind::Name;
    if (!entry.lowerBareName.empty() && IsOneOf(entry.lowerBareName, query.spellings))
        return MatchKind::NameWithoutQualifier;
    if (isLowerSymbol(lower) || (query.typed && isLowerSymbol(query.lowerTyped)))
        return MatchKind::SymbolInOtherCase;
    if (entry.lowerName.starts_with(lower))
        return MatchKind::NamePrefix;
    return std::nullopt;
}

FoundUnits UnitFinder::Find(std::string_view query, char decimalSeparator) const
{
    const QueryParts read = ReadQueryParts(query);
    // Nobody writes a sum of more parts; a pasted text is read as one unit, as it always was.
    if (read.parts.size() > kMostSumParts)
        return FindUnit(SplitQuery(query));
    if (read.parts.size() <= 1) {
        FoundUnits found =
            FindUnit(read.parts.empty() ? SplitText{} : SplitText{read.parts[0].value, read.parts[0].unit});
        found.primeAsFeet = read.primeAsFeet;
        return found;
    }
    // A unit whose own name has a number in it ("3 size 10") is no sum.
    FoundUnits whole = FindUnit(SplitQuery(query));
    if (!whole.matches.empty() && !whole.suggested)
        return whole;
    return FindSum(read.parts, decimalSeparator);
}

std::vector<UnitMatch> UnitFinder::Matches(std::string_view unitText) const
{
    QueryText text{unitText, Spellings(unitText), TypedSymbol(unitText), {}};
    if (text.typed)
        text.lowerTyped = AsciiLower(*text.typed);

    std::vector<int> best(m_entries.size(), -1);
    auto note = [&](std::size_t i, MatchKind kind) {
        if (best[i] < 0 || int(kind) < best[i])
            best[i] = int(kind);
    };
    for (std::size_t i = 0; i < m_entries.size(); ++i)
        if (const std::optional<MatchKind> kind = SpellingMatch(m_entries[i], text))
            note(i, *kind);
    // A one-letter spelling such as C is the scale's symbol without its degree sign, so it ranks
    // with symbols: a coulomb of the user's own then leaves the choice to the user.
    for (const AliasTarget& alias : m_aliases)
        if (AliasMatches(alias, text.text, text.spellings))
            note(std::size_t(alias.entryIndex),
                 alias.spelling.size() == 1 ? MatchKind::Symbol : MatchKind::Alias);

    std::vector<std::size_t> hits;
    for (std::size_t i = 0; i < m_entries.size(); ++i)
        if (best[i] >= 0)
            hits.push_back(i);
    // Entries are in group order and each group's own order; a stable sort keeps that order
    // behind the kind and the preferred units.
    std::ranges::stable_sort(hits, {}, [&](std::size_t i) {
        return std::tuple(best[i], m_entries[i].group, m_entries[i].preference);
    });
    std::vector<UnitMatch> matches;
    for (std::size_t i : hits)
        matches.push_back({m_entries[i].group, m_entries[i].entry, MatchKind(best[i])});
    return matches;
}

FoundUnits UnitFinder::FindUnit(SplitText text) const
{
    FoundUnits found;
    found.text = std::move(text);
    if (found.text.unit.empty())
        return found;
    found.matches = Matches(found.text.unit);
    if (found.matches.empty())
        return found;

    const MatchKind bestKind = found.matches.front().kind;
    const auto firstWorse =
        std::ranges::find_if(found.matches, [&](const UnitMatch& m) { return m.kind != bestKind; });
    found.bestCount = int(firstWorse - found.matches.begin());
    found.suggested = bestKind >= MatchKind::SymbolInOtherCase;
    const int firstGroup = found.matches.front().group;
    found.taken = !found.suggested && std::all_of(found.matches.begin(), firstWorse,
                                                  [&](const UnitMatch& m) { return m.group == firstGroup; });
    return found;
}

std::optional<UnitMatch> UnitFinder::UnitInGroup(std::string_view spelling, int group) const
{
    for (const UnitMatch& match : Matches(CollapseBlanks(spelling)))
        if (match.group == group && match.kind < MatchKind::SymbolInOtherCase)
            return match;
    return std::nullopt;
}

std::vector<std::string> UnitFinder::ClosestNames(std::string_view unitText, std::size_t count) const
{
    const std::string lower = AsciiLower(unitText.substr(0, kLongestComparedText));
    std::vector<std::pair<std::size_t, const std::string*>> candidates;
    std::vector<std::size_t> row;
    for (const Entry& entry : m_entries) {
        const QueryUnit& unit = m_groups[std::size_t(entry.group)].units[std::size_t(entry.entry)];
        const std::size_t distance =
            std::min(EditDistance(lower, entry.lowerName, row), EditDistance(lower, entry.lowerSymbol, row));
        candidates.emplace_back(distance, &unit.name);
    }
    std::ranges::stable_sort(candidates, {}, &std::pair<std::size_t, const std::string*>::first);
    std::vector<std::string> names;
    for (const auto& candidate : candidates) {
        if (names.size() == count)
            break;
        if (std::ranges::find(names, *candidate.second) == names.end())
            names.push_back(*candidate.second);
    }
    return names;
}

const QueryUnit& UnitFinder::Unit(const UnitMatch& match) const
{
    return m_groups[std::size_t(match.group)].units[std::size_t(match.entry)];
}

std::string UnitFinder::Label(const UnitMatch& match) const
{
    const QueryUnit& unit = Unit(match);
    return unit.name + " (" + unit.symbol + "), " + m_groups[std::size_t(match.group)].name;
}

} // namespace kalvex
