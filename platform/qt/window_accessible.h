#pragma once

#include <QMetaObject>

namespace kalvex {

// Tells assistive tools that widgets of this class are windows of their own: a plain widget
// shown as a window reads as a nameless client area. Call it before the first widget of the
// class is named or shown, since assistive tools keep the interface they were first given.
void ReadAsWindow(const QMetaObject& windowClass);

} // namespace kalvex
