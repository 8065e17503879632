#pragma once

#include "platform/busy_cursor.h"

namespace kalvex {

// The wait cursor over every window of the program; Begin/End pairs nest.
class QtBusyCursor final : public IBusyCursor {
public:
    void Begin() override;
    void End() override;
};

} // namespace kalvex
