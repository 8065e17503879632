#include "storage/current_group.h"

#include "core/group_ids.h"
#include "storage/app_state.h"

namespace kalvex {

bool CurrentGroup::Load(int groupId)
{
    return m_record.Load(FactorFileName(m_app.m_factorPath, groupId));
}

SaveStatus CurrentGroup::Commit(int groupId, int unitCount)
{
    const Services& services = m_app.services;
    return m_record.Commit(groupId, unitCount, m_app.m_factorPath, *services.settings, *services.clock);
}

} // namespace kalvex
