#pragma once

#include <span>
#include <string_view>

namespace kalvex::tables {

struct StringEntry {
    int id;
    std::string_view text; // UTF-8
};

struct FactorTable {
    std::string_view name; // resource name, e.g. "DISTROWS"
    std::string_view text; // CR LF lines, closed by a line of two backslashes
};

// The string table, sorted by number.
std::span<const StringEntry> StringTable();
// The factor-table texts of the fourteen proportional built-in groups.
std::span<const FactorTable> FactorTables();
// The same texts as an earlier build carried them, before the factors were computed from the
// units' definitions: group files saved from them are recognised and given today's factors.
std::span<const FactorTable> EarlierFactorTables();

} // namespace kalvex::tables
