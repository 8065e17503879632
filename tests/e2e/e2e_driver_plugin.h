#pragma once

#include <QGenericPlugin>

namespace kalvex::e2e {

// Lets Qt load the end-to-end driver into the real program: QT_PLUGIN_PATH names the folder
// above "generic/", and QT_QPA_GENERIC_PLUGINS=kalvexe2e asks for it.
class E2eDriverPlugin final : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "e2e_driver.json")
public:
    QObject* create(const QString& name, const QString& parameters) override;
};

} // namespace kalvex::e2e
