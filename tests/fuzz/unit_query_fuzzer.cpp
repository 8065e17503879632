// Any typed query over the built-in groups: every match names a real unit, the value and the
// unit text are pieces of the query, and the closest names can always be given.
#include "platform/settings_store.h"
#include "storage/unit_catalog.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

class FreshProfile final : public kalvex::ISettingsStore {
public:
    int ReadInt(std::string_view, std::string_view, int defaultValue) const override { return defaultValue; }
    std::string ReadString(std::string_view, std::string_view, std::string_view defaultValue) const override
    {
        return std::string(defaultValue);
    }
    bool WriteInt(std::string_view, std::string_view, int) override { return false; }
    bool WriteString(std::string_view, std::string_view, std::string_view) override { return false; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const kalvex::UnitFinder finder(
        kalvex::QueryGroups(kalvex::LoadEnabledGroups(FreshProfile(), std::string())));
    const std::string_view query(reinterpret_cast<const char*>(data), size);
    const kalvex::FoundUnits found = finder.Find(query);
    // A single value keeps pieces of the query; a sum holds its total and the unit it opens in.
    const bool marks = query.find_first_of("'\"\xE2") != std::string_view::npos;
    if (found.sum.empty() && !marks && found.text.value.size() + found.text.unit.size() > query.size())
        __builtin_trap();
    if (!found.sum.empty() && (!found.taken || found.matches.size() != 1 || !found.problem.empty()))
        __builtin_trap();
    if (found.bestCount > int(found.matches.size()) ||
        (found.taken && (found.bestCount == 0 || found.suggested)))
        __builtin_trap();
    for (const kalvex::UnitMatch& match : found.matches)
        if (finder.Label(match).empty())
            __builtin_trap();
    if (found.matches.empty() && !found.text.unit.empty() &&
        finder.ClosestNames(found.text.unit, 3).size() != 3)
        __builtin_trap();
    return 0;
}
