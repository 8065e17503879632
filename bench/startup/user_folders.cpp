#include "bench/startup/user_folders.h"

#include <cstdlib>

namespace kalvex::bench {
namespace fs = std::filesystem;

UserFolders::UserFolders(fs::path root) : m_root(std::move(root))
{
    for (const char* name : {"config", "data", "cache", "runtime", "program"})
        fs::create_directories(m_root / name);
    fs::permissions(m_root / "runtime", fs::perms::owner_all, fs::perm_options::replace);
}

fs::path UserFolders::PlaceProgram(const fs::path& program) const
{
    const fs::path placed = m_root / "program" / program.filename();
    std::error_code linkError;
    fs::create_hard_link(program, placed, linkError);
    if (linkError)
        fs::copy_file(program, placed, fs::copy_options::overwrite_existing);
    return placed;
}

std::vector<std::string> UserFolders::Environment(const fs::path& probeDir) const
{
    const char* path = std::getenv("PATH");
    return {
        "HOME=" + m_root.string(),
        "XDG_CONFIG_HOME=" + (m_root / "config").string(),
        "XDG_DATA_HOME=" + (m_root / "data").string(),
        "XDG_CACHE_HOME=" + (m_root / "cache").string(),
        "XDG_RUNTIME_DIR=" + (m_root / "runtime").string(),
        "PATH=" + std::string(path != nullptr ? path : "/usr/bin:/bin"),
        "LANG=C.UTF-8",
        "QT_QPA_PLATFORM=offscreen",
        "QT_PLUGIN_PATH=" + probeDir.string(),
        "QT_QPA_GENERIC_PLUGINS=kalvexprobe",
    };
}

} // namespace kalvex::bench
