#include "platform/qt/network_download.h"

#include "platform/posix/program_module.h"

namespace kalvex {
namespace {

constexpr const char* kNetworkModule = "kalvex_network";
constexpr const char* kDownloadEntry = "kalvex_download_v1";

using DownloadFunction = void (*)(const DownloadRequest*, IDownloadProgress*, DownloadResult*);

DownloadFunction LoadDownloadFunction()
{
    static DownloadFunction loaded = nullptr;
    if (!loaded)
        loaded =
            reinterpret_cast<DownloadFunction>(FindModuleFunction(kNetworkModule, kDownloadEntry).address);
    return loaded;
}

} // namespace

DownloadResult DownloadThroughNetworkModule(const DownloadRequest& request, IDownloadProgress& progress)
{
    DownloadResult result;
    if (const DownloadFunction download = LoadDownloadFunction())
        download(&request, &progress, &result);
    else
        result.error = "the network module of Kalvex! could not be loaded";
    return result;
}

std::string NetworkModuleProblem()
{
    return LoadDownloadFunction() ? std::string() : FindModuleFunction(kNetworkModule, kDownloadEntry).error;
}

} // namespace kalvex
