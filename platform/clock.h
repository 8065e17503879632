#pragma once

namespace kalvex {

struct CalendarDate {
    int year;
    int month; // 1..12
    int day;   // 1..31
};

// Today's local date; tests set it.
class IClock {
public:
    virtual ~IClock() = default;
    virtual CalendarDate Today() const = 0;
};

} // namespace kalvex
