#pragma once

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

// How well a unit matches, best first.
enum class MatchKind { Symbol, Name, Alias, NameWithoutQualifier, Prefix };

struct UnitMatch {
    int group = 0; // index into the finder's groups
    int entry = 0; // index into that group's units
    MatchKind kind = MatchKind::Prefix;
};

struct FoundUnits {
    SplitText text;
    // Every unit that matches, best kind first, then in group order and the group's own order.
    std::vector<UnitMatch> matches;
    // How many leading matches share the best kind.
    int bestCount = 0;
    // True when the best matches all lie in one group: the first of them is taken and the others
    // are only named beside it. False when nothing matches or the user has to choose.
    bool taken = false;
};

// Finds units of the enabled groups by symbol, name, common plural or abbreviation, or prefix.
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
    };
    struct AliasTarget {
        std::string spelling; // lower case, or exact for one-letter spellings
        int entryIndex;
    };

    void ResolveAliases();
    bool AliasMatches(const AliasTarget& alias, std::string_view unitText,
                      const std::vector<std::string>& spellings) const;

    std::vector<QueryGroup> m_groups;
    std::vector<Entry> m_entries;
    std::vector<AliasTarget> m_aliases;
};

} // namespace kalvex
