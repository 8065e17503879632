#pragma once

#include "platform/download.h"

namespace kalvex {

// Downloads through the network module, which is loaded on first use from beside the program
// (or from the program's library folder once installed).
DownloadResult DownloadThroughNetworkModule(const DownloadRequest& request, IDownloadProgress& progress);

} // namespace kalvex
