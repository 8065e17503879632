#pragma once

#include "storage/unit_catalog.h"

#include <string>
#include <vector>

namespace kalvex {

// The library of extra groups installed with the program, <prefix>/share/kalvex/groups/ beside
// its <prefix>/bin; empty when there is none.
std::string LibraryDir(const std::string& programDir);

// One group of the library, as Import Group would take it.
struct LibraryGroup {
    std::string file;
    CatalogGroup group; // groupId 0: none of the user's groups
};

// Every group of the library that could be imported, in file-name order. Reads only.
std::vector<LibraryGroup> LoadLibraryGroups(const std::string& libraryDir);

} // namespace kalvex
