#include "platform/qt/network_download.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace kalvex {
namespace {

using DownloadFunction = void (*)(const DownloadRequest*, IDownloadProgress*, DownloadResult*);

DownloadFunction LoadDownloadFunction()
{
    static DownloadFunction loaded = nullptr;
    if (loaded)
        return loaded;
    const QDir programDir(QCoreApplication::applicationDirPath());
    const QString candidates[] = {
        programDir.filePath(QStringLiteral("kalvex_network")),
        programDir.filePath(QStringLiteral(KALVEX_INSTALLED_MODULE_DIR "/kalvex_network")),
    };
    for (const QString& file : candidates) {
        QLibrary module(file);
        if (const auto function = reinterpret_cast<DownloadFunction>(module.resolve("kalvex_download_v1"))) {
            loaded = function; // the module stays loaded for the rest of the run
            return loaded;
        }
    }
    return nullptr;
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
