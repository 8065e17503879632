#pragma once

#include <filesystem>

namespace kalvex {

struct AppState;

// The file steps a removal takes. Each is atomic: after it, the target holds either its old
// bytes or the new ones in full.
class IGroupFileSteps {
public:
    virtual ~IGroupFileSteps() = default;
    // Replaces target with a copy of source.
    virtual bool CopyOver(const std::filesystem::path& source, const std::filesystem::path& target) = 0;
    virtual bool Remove(const std::filesystem::path& file) = 0;
};

// Copies through a temporary file renamed over the target.
class DiskGroupFileSteps final : public IGroupFileSteps {
public:
    bool CopyOver(const std::filesystem::path& source, const std::filesystem::path& target) override;
    bool Remove(const std::filesystem::path& file) override;
};

// Removes custom group k (1 .. NumCust). Every later group moves down one number, its enabled
// flag with it, so the groups stay numbered Cust01 .. CustNN. Each file is copied over the one
// below before the count shrinks and the last file goes, so stopping after any step (a failure,
// a kill) leaves every counted group loadable: at worst one group is listed twice, or a file
// no longer counted remains. False when a step failed; the steps after it are not taken.
bool RemoveCustomGroup(AppState& app, int k, IGroupFileSteps& steps);

} // namespace kalvex
