#pragma once

namespace kalvex {

class IBusyCursor {
public:
    virtual ~IBusyCursor() = default;
    virtual void Begin() = 0;
    virtual void End() = 0;
};

// Shows the busy cursor for the lifetime of the scope.
class BusyScope {
public:
    explicit BusyScope(IBusyCursor& cursor) : m_cursor(cursor) { m_cursor.Begin(); }
    ~BusyScope() { m_cursor.End(); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    IBusyCursor& m_cursor;
};

} // namespace kalvex
