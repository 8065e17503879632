#pragma once

#include <QGenericPlugin>

namespace kalvex::bench {

// Lets Qt load the start-up probe into any Qt program: QT_PLUGIN_PATH names the folder above
// "generic/", and QT_QPA_GENERIC_PLUGINS=kalvexprobe asks for it.
class StartupProbePlugin final : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "startup_probe.json")
public:
    QObject* create(const QString& name, const QString& parameters) override;
};

} // namespace kalvex::bench
