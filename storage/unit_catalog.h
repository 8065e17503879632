#pragma once

#include "core/conversion.h"
#include "core/unit_query.h"

#include <string>
#include <vector>

namespace kalvex {

class ISettingsStore;

// One enabled group the windows can open, read without changing anything on disk.
struct CatalogGroup {
    int groupId = 0;
    std::string name;  // as the launcher shows it
    CConversion group; // empty for Temperature, which has no factor file
};

// The enabled groups in launcher order, each from its factor file in factorPath;
// a standard group whose file is missing or unusable comes from the built-in tables, a custom
// one is left out, and so is a group with fewer than two units. Reads only.
std::vector<CatalogGroup> LoadEnabledGroups(const ISettingsStore& settings, const std::string& factorPath);

// The groups as a query sees them, units in the order their windows list them.
std::vector<QueryGroup> QueryGroups(const std::vector<CatalogGroup>& groups);

} // namespace kalvex
