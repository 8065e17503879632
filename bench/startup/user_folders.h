#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace kalvex::bench {

// A private home with its own config, data, cache and runtime folders, so a started program
// sees exactly the profile and factor files prepared for it and nothing of the real user's.
class UserFolders {
public:
    explicit UserFolders(std::filesystem::path root); // creates the folders

    const std::filesystem::path& Root() const { return m_root; }
    // Where a first start keeps the factor files: the user's data folder for the program.
    std::filesystem::path FactorFolder() const;
    int FactorFileCount() const;
    void RemoveFactorFiles() const;

    // The whole environment of a probed start: these folders, the offscreen platform and the
    // probe plugin found in probeDir.
    std::vector<std::string> Environment(const std::filesystem::path& probeDir) const;

private:
    std::filesystem::path m_root;
};

} // namespace kalvex::bench
