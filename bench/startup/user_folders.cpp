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

namespace {

void LinkOrCopy(const fs::path& file, const fs::path& placed)
{
    std::error_code linkError;
    fs::create_hard_link(file, placed, linkError);
    if (linkError)
        fs::copy_file(file, placed, fs::copy_options::overwrite_existing);
}

} // namespace

fs::path UserFolders::PlaceProgram(const fs::path& program) const
{
    const fs::path folder = m_root / "program";
    // The program's modules are looked for beside it.
    for (const fs::directory_entry& entry : fs::directory_iterator(program.parent_path())) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with("kalvex_") && entry.path().extension() == ".so")
            LinkOrCopy(entry.path(), folder / name);
    }
    LinkOrCopy(program, folder / program.filename());
    return folder / program.filename();
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
