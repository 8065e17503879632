#include "ui/shell/sys_info_format.h"

#include "platform/qt/system_facts.h"

namespace kalvex {

QString FormatKilobytes(std::optional<std::uint64_t> bytes)
{
    if (!bytes)
        return {};
    QString digits = QString::number(*bytes / 1024);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, u',');
    return digits + QStringLiteral(" KB");
}

QString ProcessorTypeText(int architecture, int processorType, int processorLevel)
{
    switch (architecture) {
    case SystemFacts::Intel: {
        const char* model = processorType == 386   ? "386"
                            : processorType == 486 ? "486"
                            : processorType == 586 ? "Pentium"
                                                   : "??";
        return QStringLiteral("Intel ") + QLatin1String(model);
    }
    case SystemFacts::Mips:
        return QStringLiteral("Mips R") + QString::number(processorLevel * 1000);
    case SystemFacts::Alpha:
        return QStringLiteral("Alpha ") + QString::number(processorLevel);
    case SystemFacts::PowerPc:
        if (processorLevel == 6)
            return QStringLiteral("PowerPC 603+");
        if (processorLevel == 9)
            return QStringLiteral("PowerPC 604+");
        return QStringLiteral("PowerPC ") + QString::number(processorLevel + 600);
    default:
        return QStringLiteral("unknown");
    }
}

std::array<QString, kSysInfoFieldCount> SysInfoFieldTexts(const SystemFacts& facts)
{
    return {
        facts.platformName,
        QStringLiteral("%1.%2").arg(facts.majorVersion).arg(facts.minorVersion),
        QString::number(facts.buildNumber),
        QString::number(facts.processorCount),
        !facts.homePlatform && !facts.processorModel.isEmpty()
            ? facts.processorModel
            : ProcessorTypeText(facts.architecture, facts.processorType, facts.processorLevel),
        facts.computerName,
        facts.userName,
        FormatKilobytes(facts.totalPhysical),
        FormatKilobytes(facts.availablePhysical),
        FormatKilobytes(facts.totalPageSpace),
        FormatKilobytes(facts.availablePageSpace),
        facts.systemDirectory,
        facts.tempDirectory,
    };
}

} // namespace kalvex
