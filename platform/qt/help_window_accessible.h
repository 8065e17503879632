#pragma once

namespace kalvex {

// Tells assistive tools that the help window is a window of its own (a plain widget would read
// as a filler) and gives its page the document's plain text: the browser's own interface hands
// out the frame markers of tables as characters.
void InstallHelpWindowAccessibility();

} // namespace kalvex
