#pragma once

namespace kalvex {

// Lets assistive tools read a value slider (CFocusScrollBar) as a slider over the values it
// stands for, and set it to one. Installing it again does nothing.
void InstallValueSliderAccessible();

} // namespace kalvex
