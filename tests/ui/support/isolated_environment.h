#pragma once

#include <QDir>
#include <QTemporaryDir>
#include <cstdlib>

namespace kalvex::testing {

// Points config, data, cache and runtime folders at a private temporary folder, before the
// QApplication is created, so window tests never touch the user's real profile.
inline void IsolateUserFolders()
{
    static QTemporaryDir root;
    const QString base = root.path();
    for (const char* name : {"config", "data", "cache", "runtime"})
        QDir(base).mkpath(QLatin1String(name));
    setenv("XDG_CONFIG_HOME", qPrintable(base + "/config"), 1);
    setenv("XDG_DATA_HOME", qPrintable(base + "/data"), 1);
    setenv("XDG_CACHE_HOME", qPrintable(base + "/cache"), 1);
    setenv("XDG_RUNTIME_DIR", qPrintable(base + "/runtime"), 1);
    QFile::setPermissions(base + "/runtime", QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                 QFileDevice::ExeOwner);
    setenv("HOME", qPrintable(base), 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
}

} // namespace kalvex::testing
