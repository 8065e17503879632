#include "platform/stop_after_step.h"

#include <cstdio>
#include <cstdlib>

#include <unistd.h>

namespace kalvex {
namespace {

long StopStep()
{
    const char* value = std::getenv("KALVEX_STOP_AFTER_STEP");
    return value ? std::strtol(value, nullptr, 10) : 0;
}

} // namespace

void StepTaken(const char* what)
{
    static const long stopAt = StopStep();
    static long taken = 0;
    if (++taken != stopAt)
        return;
    std::fprintf(stderr, "kalvex: stopped after step %ld: %s\n", taken, what);
    std::fflush(stderr);
    // No destructors, no buffered writes, no exit handlers: as close to a kill as a process gets.
    ::_exit(kStoppedAfterStepExit);
}

} // namespace kalvex
