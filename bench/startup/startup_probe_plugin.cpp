#include "bench/startup/startup_probe_plugin.h"

#include "bench/startup/startup_probe.h"

namespace kalvex::bench {

QObject* StartupProbePlugin::create(const QString& name, const QString& /*parameters*/)
{
    if (name.compare(QLatin1String("kalvexprobe"), Qt::CaseInsensitive) != 0)
        return nullptr;
    return new StartupProbe; // the application deletes the objects its generic plugins create
}

} // namespace kalvex::bench
