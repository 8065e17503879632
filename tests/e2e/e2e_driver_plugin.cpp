#include "tests/e2e/e2e_driver_plugin.h"

#include "tests/e2e/e2e_driver.h"

namespace kalvex::e2e {

// "kalvexe2e:<ending>" picks how the run ends; plain "kalvexe2e" saves and quits.
QObject* E2eDriverPlugin::create(const QString& name, const QString& parameters)
{
    if (name.compare(QLatin1String("kalvexe2e"), Qt::CaseInsensitive) != 0)
        return nullptr;
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
