#pragma once

#include <string>

namespace kalvex {

// Groups are known by numeric id: 4103 Temperature .. 4117 Acceleration, 4117 + k custom group k.
inline constexpr int kTemperatureId = 4103;
inline constexpr int kDistanceId = 4104;
inline constexpr int kMassId = 4105;
inline constexpr int kVolumeId = 4106;
inline constexpr int kAreaId = 4107;
inline constexpr int kAngleId = 4108;
inline constexpr int kPowerId = 4109;
inline constexpr int kEnergyId = 4110;
inline constexpr int kPressureId = 4111;
inline constexpr int kTimeId = 4112;
inline constexpr int kForceId = 4113;
inline constexpr int kDensityId = 4114;
inline constexpr int kVelocityId = 4115;
inline constexpr int kMoneyId = 4116;
inline constexpr int kAccelerationId = 4117;
inline constexpr int kFirstFactorGroupId = kDistanceId; // Temperature has no factor file
inline constexpr int kStandardGroupCount = kAccelerationId - kTemperatureId + 1;
inline constexpr int kCustomGroupIndex = kStandardGroupCount; // the first custom group
// The most custom groups a user can keep. Every reader, clamp and command range uses this one
// number; the custom group ids 4118 .. 4137 and their command ids stay clear of other commands.
inline constexpr int kMaxCustomGroups = 20;

// Command ids derived from a group id.
inline constexpr int kUnitsCommandOffset = 49;
inline constexpr int kFactorsCommandOffset = 149;
inline constexpr int kDisableCommandOffset = 249;
inline constexpr int kDeleteCommandOffset = 349; // custom groups only

inline constexpr int CustomGroupId(int k)
{
    return kAccelerationId + k;
}
inline constexpr bool IsStandardGroup(int id)
{
    return id >= kTemperatureId && id <= kAccelerationId;
}
inline constexpr int kFirstCustomId = CustomGroupId(1);
inline constexpr int kLastCustomGroupId = CustomGroupId(kMaxCustomGroups);
// Every group a user can have: the standard ones and the most custom groups.
inline constexpr int kGroupCount = kStandardGroupCount + kMaxCustomGroups;
inline constexpr bool IsCustomGroup(int id)
{
    return id > kAccelerationId && id <= kLastCustomGroupId;
}
// k of custom group k.
inline constexpr int CustomNumber(int id)
{
    return id - kAccelerationId;
}

// Group index: 0 Temperature .. 14 Acceleration, 14 + k for custom group k.
inline constexpr int GroupIndex(int id)
{
    return id - kTemperatureId;
}

// "Temp", "Dist", ... "Acce" for standard groups; "Cust%.2d" for custom group k.
std::string GroupTag(int id);

// Number n of a standard group in the settings and older profiles' keys ("Conv%.2d"): 1 for
// Temperature .. 15 for Acceleration.
inline constexpr int StandardGroupNumber(int id)
{
    return GroupIndex(id) + 1;
}

// The settings key holding the group's enabled flag: "Conv%.2d" with the group's standard number,
// or a custom group's tag.
std::string EnabledFlagKey(int id);

// Factor file name of a group inside the factor path (which ends with a separator).
std::string FactorFileName(const std::string& factorPath, int id);

} // namespace kalvex
