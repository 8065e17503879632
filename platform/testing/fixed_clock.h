#pragma once

#include "platform/clock.h"

namespace kalvex::testing {

class FixedClock final : public IClock {
public:
    explicit FixedClock(CalendarDate date = {2026, 12, 8}) : date(date) {}
    CalendarDate Today() const override { return date; }
    CalendarDate date;
};

} // namespace kalvex::testing
