#include "core/group_ids.h"

#include <array>
#include <cstdio>

namespace kalvex {
namespace {

constexpr std::array<const char*, kStandardGroupCount> kTags = {"Temp", "Dist", "Mass", "Vol",  "Area",
                                                                "Angl", "Powr", "Ener", "Pres", "Time",
                                                                "Forc", "Dens", "Velo", "Mony", "Acce"};

std::string Numbered(const char* format, int number)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, format, number);
    return buffer;
}

} // namespace

std::string GroupTag(int id)
{
    if (IsCustomGroup(id))
        return Numbered("Cust%.2d", CustomNumber(id));
    if (IsStandardGroup(id))
        return kTags[std::size_t(id - kTemperatureId)];
    return {};
}

std::string EnabledFlagKey(int id)
{
    if (IsCustomGroup(id))
        return GroupTag(id);
    return Numbered("Conv%.2d", StandardGroupNumber(id));
}

std::string FactorFileName(const std::string& factorPath, int id)
{
    return factorPath + GroupTag(id) + ".fsf";
}

} // namespace kalvex
