#pragma once

#include "core/query_text.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kalvex {

// One unit as a query sees it. `unit` is how the unit's window knows it: the 0-based unit number
// of a factor group, or the row of a temperature scale.
struct QueryUnit {
    std::string name;
    std::string symbol;
    int unit = 0;
    std::string code; // a second symbol, such as a currency's ISO code; empty when none
    // The size of `unit` in the group's first unit; 0 when values in it cannot be added
    // (temperature scales).
    double size = 0.0;
    // How many of `unit` this name stands for: a stone is 14 pounds, though Mass has no stone.
    double multiple = 1.0;
};

// One enabled group with its units in the group's order: the units its window shows first, in
// the order shown, then the others in stored order.
struct QueryGroup {
    int groupId = 0;
    std::string name;
    std::vector<QueryUnit> units;
};

// How well a unit matches, best first. Symbols keep their case and match whole; names, their
// plurals and aliases match in any case.
enum class MatchKind {
    Symbol,
    TypedSymbol, // the symbol typed in plain ASCII: "m/s2", "um", "degC"
    Name,
    Alias,
    NameWithoutQualifier,
    // Only offered, never taken: the user did not type the unit's own spelling.
    SymbolInOtherCase, // "mw" or "MBAR"
    NamePrefix,        // "kilom"
};

struct UnitMatch {
    int group = 0; // index into the finder's groups
    int entry = 0; // index into that group's units
    MatchKind kind = MatchKind::NamePrefix;
};

struct FoundUnits {
    SplitText text;
    // Every unit that matches, best kind first, then in group order; within a group the unit a
    // shared spelling usually means comes first, then the group's own order.
    std::vector<UnitMatch> matches;
    // How many leading matches share the best kind.
    int bestCount = 0;
    // True when the best matches only come near what was typed: they are offered ("did you
    // mean ...?"), none is taken.
    bool suggested = false;
    // True when the best matches are exact and all lie in one group: the first of them is taken and
    // the others are only named beside it. False when nothing matches or the user has to choose.
    bool taken = false;

    // A sum of values in units of one group ("5 ft 11 in", "1:30", 12°30'15"): the one match is
    // the largest unit named, text.value the sum in it.
    std::string sum;            // the parts in the group's symbols: "5 ft 11 in"; empty for one value
    std::string sumInReference; // the sum in the group's everyday unit: "1.8034 m"
    std::string problem;        // why the values cannot be added, naming the part; empty when they can
    // A lone value in ' was read as feet, not as minutes of arc.
    bool primeAsFeet = false;
};

// The value a chosen unit opens with, or why it cannot be read.
struct ValueToOpen {
    std::string text; // as the entry field reads it
    std::string problem;
};

// Finds units of the enabled groups by symbol, name, common plural or abbreviation; symbols in
// another case and name prefixes are offered as suggestions.
class UnitFinder {
public:
    explicit UnitFinder(std::vector<QueryGroup> groups);

    // Values are read with the user's decimal separator, as the entry field reads them.
    FoundUnits Find(std::string_view query, char decimalSeparator = '.') const;
    // The typed value ("1" when none) in the unit `match` opens: a stone is opened as 14 pounds a
    // stone; a sum opens as its sum.
    ValueToOpen OpenedValue(const FoundUnits& found, const UnitMatch& match, char decimalSeparator) const;
    // The unit of group `group` a spelling names exactly, as written: ' is the minute of Angle.
    std::optional<UnitMatch> UnitInGroup(std::string_view spelling, int group) const;
    // The names and spellings nearest to a unit text that matched nothing, nearest first.
    std::vector<std::string> ClosestNames(std::string_view unitText, std::size_t count) const;

    const std::vector<QueryGroup>& Groups() const { return m_groups; }
    const QueryUnit& Unit(const UnitMatch& match) const;
    // "name (symbol), Group", the way matches are listed to the user.
    std::string Label(const UnitMatch& match) const;

private:
    struct Entry {
        int group;
        int entry;
        std::string lowerName;
        std::string lowerBareName; // without parenthesised qualifiers; empty when the name has none
        std::string lowerSymbol;
        std::string lowerCode;
        int preference; // rank among the preferred units; past their end when not one of them
    };
    struct AliasTarget {
        std::string spelling; // lower case, or exact for one-letter spellings
        int entryIndex;
    };

    struct QueryText; // a unit text and the other ways of reading it

    void ResolveAliases();
    void AddScaledUnits();
    FoundUnits FindUnit(SplitText text) const;
    // Every unit a unit text matches, best kind first, then in group and preference order.
    std::vector<UnitMatch> Matches(std::string_view unitText) const;
    FoundUnits FindSum(const std::vector<QueryPart>& parts, char decimalSeparator) const;
    // The unit values in `group` are best read in, for a sum's second reading; nothing when none.
    std::optional<int> ReferenceUnit(int group) const;
    // How an entry's own name, symbol or code matches, if at all.
    std::optional<MatchKind> SpellingMatch(const Entry& entry, const QueryText& query) const;
    bool AliasMatches(const AliasTarget& alias, std::string_view unitText,
                      const std::vector<std::string>& spellings) const;

    std::vector<QueryGroup> m_groups;
    std::vector<Entry> m_entries;
    std::vector<AliasTarget> m_aliases;
};

} // namespace kalvex
