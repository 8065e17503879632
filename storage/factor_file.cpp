#include "storage/factor_file.h"

#include "core/group_ids.h"
#include "platform/services.h"

namespace kalvex {

LoadStatus ReadFactorFile(const std::filesystem::path& file, CConversion& group)
{
    const FileBytes read = ReadRegularFile(file, kMaxFactorFileSize);
    if (read.status != ReadStatus::Read) {
        group.ClearUnreadable();
        return read.status == ReadStatus::Missing ? LoadStatus::Missing : LoadStatus::Damaged;
    }
    return group.Deserialize(read.bytes) ? LoadStatus::Loaded : LoadStatus::Damaged;
}

bool LoadFactorFile(const std::filesystem::path& file, CConversion& group)
{
    return ReadFactorFile(file, group) == LoadStatus::Loaded;
}

SaveStatus WriteFactorFile(const CConversion& group, const std::filesystem::path& file, IFileReplacer& files,
                           Flush flush)
{
    return files.Replace(file, group.Serialize(), flush);
}

bool SaveFactorFile(const CConversion& group, const std::filesystem::path& file, IFileReplacer& files)
{
    return WriteFactorFile(group, file, files) == SaveStatus::Saved;
}

SaveStatus CommitGroup(CConversion& group, int groupId, int unitCount, const std::string& factorPath,
                       const Services& services)
{
    if (unitCount > 0) {
        const CalendarDate today = services.clock->Today();
        group.m_updateDate =
            std::to_string(today.month) + '/' + std::to_string(today.day) + '/' + std::to_string(today.year);
    }
    if (group.m_shownCount > group.m_unitCount)
        group.m_shownCount = group.m_unitCount;
    const SaveStatus saved = WriteFactorFile(group, FactorFileName(factorPath, groupId), *services.replacer);
    services.settings->WriteInt("Settings", GroupTag(groupId), 1);
    return saved;
}

} // namespace kalvex
