#pragma once

#include <future>

namespace kalvex {

// Fills the system's font list on a second thread while start-up does other work. The first
// text a window measures would otherwise wait for it on the user-interface thread; that text
// now waits only for what is left. Waits for the thread when it goes.
class FontDatabaseWarmUp {
public:
    FontDatabaseWarmUp();
    ~FontDatabaseWarmUp();
    FontDatabaseWarmUp(const FontDatabaseWarmUp&) = delete;
    FontDatabaseWarmUp& operator=(const FontDatabaseWarmUp&) = delete;

private:
    std::future<void> m_done;
};

} // namespace kalvex
