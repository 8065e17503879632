#include "storage/library_groups.h"

#include "storage/group_import.h"

#include <algorithm>
#include <filesystem>

namespace kalvex {

std::string LibraryDir(const std::string& programDir)
{
    const std::filesystem::path library =
        std::filesystem::path(programDir) / ".." / "share" / "kalvex" / "groups";
    std::error_code error;
    if (programDir.empty() || !std::filesystem::is_directory(library, error))
        return {};
    return std::filesystem::weakly_canonical(library, error).string() + "/";
}

Library LoadLibrary(const std::string& libraryDir)
{
    std::vector<std::string> files;
    std::error_code error;
    if (!libraryDir.empty())
        for (const auto& entry : std::filesystem::directory_iterator(libraryDir, error))
            if (entry.path().extension() == ".fsf")
                files.push_back(entry.path().string());
    std::ranges::sort(files);
    Library library;
    for (const std::string& file : files) {
        CatalogGroup group;
        if (ReadGroupToImport(file, group.group))
            continue; // refused: it could not be added either
        group.name = group.group.m_name;
        library.groups.push_back(std::move(group));
        library.files.push_back(file);
    }
    return library;
}

} // namespace kalvex
