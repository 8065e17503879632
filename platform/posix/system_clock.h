#pragma once

#include "platform/clock.h"

namespace kalvex {

class SystemClock final : public IClock {
public:
    CalendarDate Today() const override;
};

} // namespace kalvex
