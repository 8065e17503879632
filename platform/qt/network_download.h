#pragma once

#include "platform/download.h"

#include <string>

namespace kalvex {

// Downloads through the network module, which is loaded on first use from beside the program
// (or from the program's library folder once installed).
DownloadResult DownloadThroughNetworkModule(const DownloadRequest& request, IDownloadProgress& progress);

// Why the network module cannot be loaded, in the loader's words; empty when it can.
std::string NetworkModuleProblem();

} // namespace kalvex
