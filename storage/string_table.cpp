#include "storage/string_table.h"

#include "resources/tables/table_data.h"

#include <algorithm>
#include <cctype>

namespace kalvex {
namespace {

bool EqualIgnoringCase(std::string_view a, std::string_view b)
{
    return std::ranges::equal(
        a, b, [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

std::string_view FindTable(std::span<const tables::FactorTable> tables, std::string_view name)
{
    for (const auto& table : tables)
        if (EqualIgnoringCase(table.name, name))
            return table.text;
    return {};
}

} // namespace

std::string LoadString(int id)
{
    auto table = tables::StringTable();
    auto it = std::ranges::lower_bound(table, id, {}, &tables::StringEntry::id);
    if (it == table.end() || it->id != id)
        return {};
    return std::string(it->text);
}

std::string_view FactorTableText(std::string_view name)
{
    return FindTable(tables::FactorTables(), name);
}

std::string_view EarlierFactorTableText(std::string_view name)
{
    // Only the tables that changed since are carried twice.
    const std::string_view earlier = FindTable(tables::EarlierFactorTables(), name);
    return earlier.empty() ? FactorTableText(name) : earlier;
}

} // namespace kalvex
