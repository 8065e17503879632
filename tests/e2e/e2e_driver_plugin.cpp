#include "tests/e2e/e2e_driver_plugin.h"

#include "tests/e2e/e2e_driver.h"

namespace kalvex::e2e {

QObject* E2eDriverPlugin::create(const QString& name, const QString& /*parameters*/)
{
    if (name.compare(QLatin1String("kalvexe2e"), Qt::CaseInsensitive) != 0)
        return nullptr;
    return new E2eDriver; // the application deletes the objects its generic plugins create
}

} // namespace kalvex::e2e
