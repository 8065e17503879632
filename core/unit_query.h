#pragma once

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
};

// One enabled group with its units in the group's order: the units its window shows first, in
// the order shown, then the others in stored order.
struct QueryGroup {
    int groupId = 0;
    std::string name;
    std::vector<QueryUnit> units;
};

// A typed query split into the value, read later exactly as a conversion window reads its entry,
// and the unit text ("2 1/2 in" gives "2 1/2" and "in"; "32psi" gives "32" and "psi").
struct SplitText {
    std::string value; // empty when no value was typed
    std::string unit;  // trimmed, inner runs of blanks made one
};
SplitText SplitQuery(std::string_view query);

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
};

// Finds units of the enabled groups by symbol, name, common plural or abbreviation; symbols in
// another case and name prefixes are offered as suggestions.
class UnitFinder {
public:
    explicit UnitFinder(std::vector<QueryGroup> groups);

    FoundUnits Find(std::string_view query) const;
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
    // How an entry's own name, symbol or code matches, if at all.
    std::optional<MatchKind> SpellingMatch(const Entry& entry, const QueryText& query) const;
    bool AliasMatches(const AliasTarget& alias, std::string_view unitText,
                      const std::vector<std::string>& spellings) const;

    std::vector<QueryGroup> m_groups;
    std::vector<Entry> m_entries;
    std::vector<AliasTarget> m_aliases;
};

} // namespace kalvex
