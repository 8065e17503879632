#include "platform/qt/system_facts.h"

#include <QFile>
#include <QRegularExpression>
#include <QSysInfo>
#include <QThread>
#include <QVersionNumber>

#ifdef Q_OS_UNIX
#include <pwd.h>
#include <unistd.h>
#endif

namespace kalvex {
namespace {

// The first value of a "name : value" line of /proc/cpuinfo; empty where there is none.
QString CpuInfoValue(const QString& cpuinfo, const QString& name)
{
    const QRegularExpression line(QStringLiteral(R"(^%1\s*:\s*(.*\S))").arg(QRegularExpression::escape(name)),
                                  QRegularExpression::MultilineOption);
    return line.match(cpuinfo).captured(1);
}

// Intel processor type as the home platform reports it: 386 and 486 by family, 586 for every
// later one.
int IntelProcessorType(const QString& cpuinfo)
{
    bool known = false;
    const int family = CpuInfoValue(cpuinfo, QStringLiteral("cpu family")).toInt(&known);
    if (!known)
        return 586;
    return family <= 3 ? 386 : family == 4 ? 486 : 586;
}

void ReadProcessor(SystemFacts& facts)
{
    QFile file(QStringLiteral("/proc/cpuinfo"));
    const QString cpuinfo =
        file.open(QIODevice::ReadOnly | QIODevice::Text) ? QString::fromLatin1(file.readAll()) : QString();
    const QString arch = QSysInfo::currentCpuArchitecture();
    if (arch == QLatin1String("i386") || arch == QLatin1String("x86_64")) {
        facts.architecture = SystemFacts::Intel;
        facts.processorType = IntelProcessorType(cpuinfo);
    }
    facts.processorModel = CpuInfoValue(cpuinfo, QStringLiteral("model name"));
    // Other architectures have no processor level this platform reports; they show as unknown.
    facts.processorCount = QThread::idealThreadCount();
}

void ReadMemory(SystemFacts& facts)
{
    QFile meminfo(QStringLiteral("/proc/meminfo"));
    if (!meminfo.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    static const QRegularExpression line(QStringLiteral(R"(^(\w+):\s*(\d+) kB)"),
                                         QRegularExpression::MultilineOption);
    auto it = line.globalMatch(QString::fromLatin1(meminfo.readAll()));
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        const std::uint64_t bytes = match.captured(2).toULongLong() * 1024;
        const QString key = match.captured(1);
        if (key == QLatin1String("MemTotal"))
            facts.totalPhysical = bytes;
        else if (key == QLatin1String("MemAvailable"))
            facts.availablePhysical = bytes;
        else if (key == QLatin1String("SwapTotal"))
            facts.totalPageSpace = bytes;
        else if (key == QLatin1String("SwapFree"))
            facts.availablePageSpace = bytes;
    }
}

QString UserName()
{
#ifdef Q_OS_UNIX
    if (const passwd* entry = getpwuid(getuid()))
        return QString::fromLocal8Bit(entry->pw_name);
#endif
    return qEnvironmentVariable("USERNAME");
}

} // namespace

SystemFacts ReadSystemFacts(const QString& systemDirectory, const QString& temporaryFolder)
{
    SystemFacts facts;
#ifdef Q_OS_WIN
    facts.homePlatform = true;
#endif
    facts.platformName = QSysInfo::prettyProductName();
    const QVersionNumber kernel = QVersionNumber::fromString(QSysInfo::kernelVersion());
    facts.majorVersion = kernel.majorVersion();
    facts.minorVersion = kernel.minorVersion();
    facts.buildNumber = kernel.microVersion();
    ReadProcessor(facts);
    facts.computerName = QSysInfo::machineHostName();
    facts.userName = UserName();
    ReadMemory(facts);
    facts.systemDirectory = systemDirectory;
    facts.tempDirectory = facts.homePlatform ? qEnvironmentVariable("TEMP") : temporaryFolder;
    return facts;
}

} // namespace kalvex
