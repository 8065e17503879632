#pragma once

#include "storage/unit_catalog.h"

#include <string>
#include <vector>

namespace kalvex {

// The library of extra groups installed with the program, <prefix>/share/kalvex/groups/ beside
// its <prefix>/bin; empty when there is none.
std::string LibraryDir(const std::string& programDir);

// The groups of the library that could be imported, in file-name order, each with its file.
struct Library {
    std::vector<CatalogGroup> groups; // groupId 0: none of the user's groups
    std::vector<std::string> files;
};

// Reads the library; reads only.
Library LoadLibrary(const std::string& libraryDir);

} // namespace kalvex
