#pragma once

#include <QString>

namespace kalvex {

// Names and symbols come from factor files and from the user; they are shown as they are
// written, never as markup and never with an "&" turned into a keyboard hint.

// Text for a button or a label with a buddy, where a single "&" marks the keyboard hint.
QString LiteralAmpersands(const QString& text);
// A tooltip that shows the text itself even when it looks like markup.
QString PlainToolTip(const QString& text);

} // namespace kalvex
