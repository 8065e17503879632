#include "platform/qt/network_download.h"

#include "platform/posix/program_module.h"

namespace kalvex {
namespace {

using DownloadFunction = void (*)(const DownloadRequest*, IDownloadProgress*, DownloadResult*);

DownloadFunction LoadDownloadFunction()
{
    static DownloadFunction loaded = nullptr;
    if (!loaded)
        loaded = reinterpret_cast<DownloadFunction>(
            FindModuleFunction("kalvex_network", "kalvex_download_v1").address);
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

} // namespace kalvex
