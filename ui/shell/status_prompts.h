#pragma once

#include <QString>

namespace kalvex {

struct AppState;

// The status bar text for a highlighted command: group commands are built from the names and
// descriptions the launcher collected, every other command has a fixed prompt (empty when none).
QString CommandPrompt(int commandId, const AppState& app);
// The fixed prompt of a command, the first line of its string.
QString FixedPrompt(int commandId);
// What the message pane shows while nothing is highlighted.
QString IdlePromptText();

} // namespace kalvex
