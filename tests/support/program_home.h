#pragma once

#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QSettings>
#include <QString>
#include <QTemporaryDir>
#include <QVariant>

namespace kalvex::testing {

// A private home for running the real program as a user would: config, data, cache and
// runtime folders (the runtime folder private to the owner, as the single-instance lock
// wants it), a factor folder, and a profile that already names that folder, so no first-run
// question is asked and every file stays inside the home.
class ProgramHome {
public:
    enum class Display { Offscreen, None, Unreachable };

    ProgramHome()
    {
        for (const char* folder : {"config/Qor Corporation", "data", "cache", "runtime", "factors"})
            QDir(m_home.path()).mkpath(QLatin1String(folder));
        QFile::setPermissions(Path("runtime"),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        SetProfile("ConvFilePath", FactorFolder());
    }

    bool IsValid() const { return m_home.isValid(); }
    QString Path(const QString& relative) const { return m_home.filePath(relative); }
    QString Root() const { return m_home.path(); }
    QString ProfileFile() const { return Path("config/Qor Corporation/Kalvex!.conf"); }
    QString FactorFolder() const { return Path("factors") + '/'; }

    void SetProfile(const char* key, const QVariant& value) const
    {
        QSettings profile(ProfileFile(), QSettings::IniFormat);
        profile.setValue(QStringLiteral("Settings/") + key, value);
        profile.sync();
    }
    QVariant Profile(const QString& key, const QVariant& fallback = {}) const
    {
        return QSettings(ProfileFile(), QSettings::IniFormat).value(key, fallback);
    }

    // The environment of a user whose home this is; with Display::None, of a terminal with no
    // display at all; with Display::Unreachable, one naming an X display no server runs.
    QProcessEnvironment Environment(Display display) const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", Root());
        env.insert("XDG_CONFIG_HOME", Path("config"));
        env.insert("XDG_DATA_HOME", Path("data"));
        env.insert("XDG_CACHE_HOME", Path("cache"));
        env.insert("XDG_RUNTIME_DIR", Path("runtime"));
        if (display == Display::Offscreen) {
            env.insert("QT_QPA_PLATFORM", "offscreen");
        } else {
            for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
                env.remove(name);
            if (display == Display::Unreachable)
                env.insert("DISPLAY", ":987");
        }
        return env;
    }

private:
    QTemporaryDir m_home;
};

} // namespace kalvex::testing
