#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

namespace kalvex {

struct SystemFacts;

// "16,384 KB": bytes divided by 1024, grouped in threes; empty when the amount is unknown.
QString FormatKilobytes(std::optional<std::uint64_t> bytes);
// "Intel Pentium", "Mips R4000", "Alpha 21", "PowerPC 604+", "unknown".
QString ProcessorTypeText(int architecture, int processorType, int processorLevel);

// The thirteen texts of the system information dialog, in the order of its fields: operating
// system, version, build number, processor count, processor type (the model name where the
// system reports one, off the home platform), computer name, user name, the four memory
// amounts, the system directory and the TEMP directory.
inline constexpr std::size_t kSysInfoFieldCount = 13;
std::array<QString, kSysInfoFieldCount> SysInfoFieldTexts(const SystemFacts& facts);

} // namespace kalvex
