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

// Intel processor type as the home platform reports it: 386 and 486 by family, 586 for every
// later one.
int IntelProcessorType()
{
    QFile cpuinfo(QStringLiteral("/proc/cpuinfo"));
    int family = 6;
    if (cpuinfo.open(QIODevice::ReadOnly | QIODevice::Text)) {
        static const QRegularExpression familyLine(QStringLiteral(R"(^cpu family\s*:\s*(\d+))"),
                                                   QRegularExpression::MultilineOption);
        const QRegularExpressionMatch match = familyLine.match(QString::fromLatin1(cpuinfo.readAll()));
        if (match.hasMatch())
            family = match.captured(1).toInt();
    }
    return family <= 3 ? 386 : family == 4 ? 486 : 586;
}

void ReadProcessor(SystemFacts& facts)
{
    const QString arch = QSysInfo::currentCpuArchitecture();
    if (arch == QLatin1String("i386") || arch == QLatin1String("x86_64")) {
        facts.architecture = SystemFacts::Intel;
        facts.processorType = IntelProcessorType();
    }
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

SystemFacts ReadSystemFacts(const QString& systemDirectory)
{
    SystemFacts facts;
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
    facts.tempDirectory = qEnvironmentVariable("TEMP");
    return facts;
}

} // namespace kalvex
