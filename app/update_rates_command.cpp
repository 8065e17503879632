#include "app/update_rates_command.h"

#include "app/exit_status.h"
#include "core/conversion.h"
#include "core/group_ids.h"
#include "platform/posix/durable_file_replacer.h"
#include "platform/posix/system_clock.h"
#include "platform/qt/application_title.h"
#include "platform/qt/network_download.h"
#include "platform/qt/qsettings_store.h"
#include "platform/services.h"
#include "storage/factor_file.h"
#include "storage/rates_update.h"
#include "storage/settings_profile.h"

#include <QCoreApplication>
#include <cstdio>
#include <string>

namespace kalvex {
namespace {

int Fail(const std::string& text, int status = kExitRatesNotUpdated)
{
    std::fprintf(stderr, "kalvex: %s\n", text.c_str());
    return status;
}

int UpdateRates(const std::string& urlArgument)
{
    QSettingsStore settings;
    const std::string factorPath = ReadSetting(settings, profile::kConvFilePath);
    if (factorPath.empty())
        return Fail("no factor directory is chosen yet; start Kalvex! once to choose it");
    const std::string url = urlArgument.empty() ? ReadSetting(settings, profile::kRatesUrl) : urlArgument;

    CConversion money;
    const std::filesystem::path file = FactorFileName(factorPath, kMoneyId);
    if (!LoadFactorFile(file, money))
        return Fail("Can't find conversion group file! (" + file.string() + ")");

    // A program installed without its network module is broken, not offline.
    if (const std::string problem = NetworkModuleProblem(); !problem.empty())
        return Fail("the network module of Kalvex! could not be loaded: " + problem, kExitNoModule);
    const std::string failure = "the exchange rates could not be updated from " + url + ": ";
    NullDownloadProgress progress;
    const DownloadResult download = DownloadThroughNetworkModule({url}, progress);
    if (!download.Succeeded())
        return Fail(failure + download.error);
    SystemClock clock;
    DurableFileReplacer replacer;
    Services services;
    services.settings = &settings;
    services.clock = &clock;
    services.replacer = &replacer;
    const RatesUpdateResult result = UpdateMoneyGroup(money, download.body, url, factorPath, services);
    if (!result.error.empty())
        return Fail(failure + result.error);

    std::printf("The Money group now holds the exchange rates of %s.\n", money.m_updateDate.c_str());
    if (result.euroAdded)
        std::printf("The euro was added to its units.\n");
    for (const std::string& entry : result.addedUnits)
        std::printf("Added \"%s\".\n", UnitName(entry).c_str());
    for (const std::string& code : result.codesWithoutRoom)
        std::printf("No room for %s: the group holds %d units.\n", code.c_str(), kMaxUnits);
    for (const std::string& entry : result.keptUnits)
        std::printf("Without a rate, \"%s\" kept its factor.\n", UnitName(entry).c_str());
    return kExitOk;
}

} // namespace

int RunUpdateRatesCommand(int argc, char* argv[], const std::string& url)
{
    // No display is needed: a core application carries the settings and the network.
    QCoreApplication application(argc, argv);
    SetApplicationNames();
    return UpdateRates(url);
}

} // namespace kalvex
