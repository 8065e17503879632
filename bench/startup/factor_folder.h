#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kalvex::bench {

// The folder the first-run question offers for the factor files, taken from the questions a
// probed start answered; none when no such question was asked.
std::optional<std::filesystem::path> OfferedFactorFolder(const std::vector<std::string>& asked);

int CountFactorFiles(const std::filesystem::path& folder);
void RemoveFactorFiles(const std::filesystem::path& folder);

} // namespace kalvex::bench
