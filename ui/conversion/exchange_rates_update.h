#pragma once

#include "platform/download.h"

class QWidget;

namespace kalvex {

struct AppState;
class CConversion;

// Downloads the reference rates from the address in the settings, with a progress window and
// Cancel, and updates and commits the Money group held in `group`. Failures are reported by
// message and leave the group, its file and its date as they were. True when the group changed.
bool UpdateExchangeRates(AppState& app, CConversion& group, QWidget* parent,
                         int timeoutMs = kDownloadTimeoutMs);

} // namespace kalvex
