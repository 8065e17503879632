#include "storage/unit_search.h"

namespace kalvex {
namespace {

// The user typed a unit's own spelling, or a sum: nothing nearer is to be looked for.
bool IsExact(const FoundUnits& found)
{
    return !found.matches.empty() && !found.suggested;
}

} // namespace

UnitSearch::UnitSearch(std::vector<CatalogGroup> groups, std::string libraryDir)
    : m_groups(std::move(groups)), m_finder(QueryGroups(m_groups)), m_libraryDir(std::move(libraryDir))
{
}

UnitSearch::Result UnitSearch::Find(std::string_view query, char decimalSeparator)
{
    Result own{m_finder.Find(query, decimalSeparator), false};
    if (IsExact(own.found) || (own.found.text.unit.empty() && own.found.problem.empty()) ||
        m_libraryDir.empty())
        return own;
    if (!m_libraryFinder) {
        m_library = LoadLibrary(m_libraryDir);
        m_libraryFinder.emplace(QueryGroups(m_library.groups));
    }
    Result library{m_libraryFinder->Find(query, decimalSeparator), true};
    // The user's own groups keep what only comes near; the library answers only what they lack.
    if (IsExact(library.found) ||
        (own.found.matches.empty() && own.found.problem.empty() && !library.found.matches.empty()))
        return library;
    return own;
}

const UnitFinder& UnitSearch::Finder(bool library) const
{
    return library ? *m_libraryFinder : m_finder;
}

CatalogGroup& UnitSearch::Group(bool library, int group)
{
    return library ? m_library.groups[std::size_t(group)] : m_groups[std::size_t(group)];
}

} // namespace kalvex
