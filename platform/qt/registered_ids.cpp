#include "platform/qt/registered_ids.h"

#include <QEvent>
#include <map>

namespace kalvex {

unsigned RegisteredIds::Register(const std::string& name)
{
    // One table per process, like the desktop's own registry of names; the user-interface
    // thread is the only caller.
    static std::map<std::string, unsigned> ids;
    auto found = ids.find(name);
    if (found != ids.end())
        return found->second;
    const unsigned id = unsigned(QEvent::registerEventType());
    ids.emplace(name, id);
    return id;
}

} // namespace kalvex
