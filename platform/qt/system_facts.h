#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace kalvex {

// What the system information dialog reports, read from this platform when it opens.
struct SystemFacts {
    // Processor architectures as the dialog names them.
    enum Architecture { Intel = 0, Mips = 1, Alpha = 2, PowerPc = 3, OtherArchitecture = -1 };

    // True where the program runs on its home platform, whose names the dialog's labels use;
    // elsewhere the labels say what the values are here.
    bool homePlatform = false;
    QString platformName;
    int majorVersion = 0;
    int minorVersion = 0;
    int buildNumber = 0;
    int processorCount = 0;
    int architecture = OtherArchitecture;
    int processorType = 0;  // Intel: 386, 486 or 586
    int processorLevel = 0; // MIPS, Alpha, PowerPC
    QString processorModel; // the model name as the system reports it; empty where it does not
    QString computerName;
    QString userName;
    std::optional<std::uint64_t> totalPhysical;
    std::optional<std::uint64_t> availablePhysical;
    std::optional<std::uint64_t> totalPageSpace;
    std::optional<std::uint64_t> availablePageSpace;
    QString systemDirectory;
    QString tempDirectory;
};

// Reads the facts of the running system. systemDirectory is the folder the platform keeps the
// program's settings and legacy profile files in, which is what the dialog shows there.
// temporaryFolder is the folder the program keeps its temporary files in, shown where the home
// platform's TEMP variable does not apply.
SystemFacts ReadSystemFacts(const QString& systemDirectory, const QString& temporaryFolder);

} // namespace kalvex
