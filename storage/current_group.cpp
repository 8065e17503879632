#include "storage/current_group.h"

#include "core/group_ids.h"
#include "storage/app_state.h"
#include "storage/factor_file.h"

namespace kalvex {

bool CurrentGroup::Load(int groupId)
{
    return LoadFactorFile(FactorFileName(m_app.m_factorPath, groupId), m_record);
}

SaveStatus CurrentGroup::Commit(int groupId, int unitCount)
{
    return CommitGroup(m_record, groupId, unitCount, m_app.m_factorPath, m_app.services);
}

} // namespace kalvex
