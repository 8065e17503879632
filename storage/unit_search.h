#pragma once

#include "core/unit_query.h"
#include "storage/library_groups.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kalvex {

// Finds units among the user's enabled groups and, for a unit none of them has, in the library
// of extra groups, which is read only when a search first needs it.
class UnitSearch {
public:
    UnitSearch(std::vector<CatalogGroup> groups, std::string libraryDir);

    struct Result {
        FoundUnits found;
        bool inLibrary = false; // the matches are of library groups
    };
    Result Find(std::string_view query, char decimalSeparator);

    // The finder and groups a result's matches index.
    const UnitFinder& Finder(bool library) const;
    CatalogGroup& Group(bool library, int group);
    // The file of a library group, for adding it to the user's groups.
    const std::string& LibraryFile(int group) const { return m_library.files[std::size_t(group)]; }

private:
    std::vector<CatalogGroup> m_groups;
    UnitFinder m_finder;
    std::string m_libraryDir;
    Library m_library;
    std::optional<UnitFinder> m_libraryFinder; // once read
};

} // namespace kalvex
