#pragma once

namespace kalvex {

// Every step that changes the user's files or settings on disk passes here once it is taken.
// With KALVEX_STOP_AFTER_STEP=N in the environment the process ends at once after its N-th
// step, as a kill there would end it, naming the step on standard error; without it this only
// counts. Lets a test stop the real program between any two steps of an operation.
void StepTaken(const char* what);

// What a process stopped this way exits with.
inline constexpr int kStoppedAfterStepExit = 86;

} // namespace kalvex
