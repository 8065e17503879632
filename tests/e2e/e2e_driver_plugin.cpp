#include "tests/e2e/e2e_driver_plugin.h"

#include "tests/e2e/e2e_driver.h"
#include "tests/e2e/groups_driver.h"

namespace kalvex::e2e {

// "kalvexe2e:<ending>" picks how the run ends; plain "kalvexe2e" saves and quits;
// "kalvexe2e:groups" runs a custom-group operation instead.
QObject* E2eDriverPlugin::create(const QString& name, const QString& parameters)
{
    if (name.compare(QLatin1String("kalvexe2e"), Qt::CaseInsensitive) != 0)
        return nullptr;
    if (parameters == QLatin1String("groups"))
        return new GroupsDriver;
    E2eDriver::Ending ending = E2eDriver::Ending::SaveAndQuit;
    if (parameters == QLatin1String("signal-twice"))
        ending = E2eDriver::Ending::SignalTwice;
    else if (parameters == QLatin1String("signal-cancel-then-no"))
        ending = E2eDriver::Ending::SignalCancelThenNo;
    else if (parameters == QLatin1String("close-signal-then-no"))
        ending = E2eDriver::Ending::CloseSignalThenNo;
    return new E2eDriver(ending); // the application deletes the objects its generic plugins create
}

} // namespace kalvex::e2e
