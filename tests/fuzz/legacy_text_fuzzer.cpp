// Any text as the values an older version's files hold: unit orders, factor rows and the
// settings version. Nothing is written outside the 30-unit record and every order entry kept
// names a unit of the group.
#include "core/conversion.h"
#include "storage/group_building.h"
#include "storage/settings_version.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const int unitCount = data[0] % (kalvex::kMaxUnits + 1);
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    kalvex::CConversion group;
    kalvex::StartNewGroup(group);
    group.m_unitCount = static_cast<std::uint16_t>(unitCount);
    kalvex::SetUnitOrder(group, text);
    if (group.m_shownCount > kalvex::kMaxUnits)
        __builtin_trap();
    for (int i = 0; i < group.m_shownCount; ++i) {
        const int unit = group.m_unitOrder[std::size_t(i)];
        if (unit < 1 || unit > unitCount)
            __builtin_trap();
    }

    for (int j = 0; j <= 31; ++j)
        kalvex::SetFactorRow(group, j, text);
    for (std::string_view token : kalvex::SplitTokens(text, ','))
        if (!std::isfinite(kalvex::ParseFactor(token)))
            __builtin_trap();
    kalvex::FillMissingThroughFirstUnit(group, unitCount);

    kalvex::ParseSettingsVersion(text);
    return 0;
}
