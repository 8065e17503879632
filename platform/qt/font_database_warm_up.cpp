#include "platform/qt/font_database_warm_up.h"

#include <QFontDatabase>
#include <QStringList>

namespace kalvex {

// Every function of the font database may be called from any thread; the first one reads the
// system's font configuration and lists its fonts under the database's own lock.
FontDatabaseWarmUp::FontDatabaseWarmUp()
    : m_done(std::async(std::launch::async, [] { static_cast<void>(QFontDatabase::families()); }))
{
}

FontDatabaseWarmUp::~FontDatabaseWarmUp()
{
    if (m_done.valid())
        m_done.wait();
}

} // namespace kalvex
