#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace kalvex::bench {

// A private home with its own config, data, cache and runtime folders, and a program folder
// of its own, so a started program sees exactly the profile and factor files prepared for it
// and nothing of the real user's.
class UserFolders {
public:
    explicit UserFolders(std::filesystem::path root); // creates the folders

    const std::filesystem::path& Root() const { return m_root; }

    // Links (or copies) program and its modules into this home's program folder and returns the
    // program's new path: a program started from a folder it can write to may keep its factor
    // files beside itself, so every home needs its own for a first start to be a real first start.
    std::filesystem::path PlaceProgram(const std::filesystem::path& program) const;

    // The whole environment of a probed start: these folders, the offscreen platform and the
    // probe plugin found in probeDir.
    std::vector<std::string> Environment(const std::filesystem::path& probeDir) const;

private:
    std::filesystem::path m_root;
};

} // namespace kalvex::bench
