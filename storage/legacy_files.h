#pragma once

#include <cstddef>
#include <string_view>

namespace kalvex {

// Names, sections and read sizes of the older versions' private profile files.
namespace legacy {

inline constexpr std::string_view kSettingsFile = "kalvex.ini";
inline constexpr std::string_view kSettingsSection = "Settings";
inline constexpr std::string_view kGroupsFile = "kalvo.ini";
inline constexpr std::string_view kGroupsSection = "Kalvexon";

inline constexpr std::size_t kPathBuffer = 260;
inline constexpr std::size_t kTextBuffer = 640;
inline constexpr std::size_t kDateBuffer = 16;
inline constexpr std::size_t kSettingsVersionBuffer = 16;
inline constexpr std::size_t kGroupsVersionBuffer = 15;

} // namespace legacy
} // namespace kalvex
