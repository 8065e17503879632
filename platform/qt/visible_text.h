#pragma once

#include <QString>

class QLineEdit;
#include <string>

namespace kalvex {

// Text from a file or the user as a window shows it: each bidirectional control character
// (embeddings, overrides, isolates and marks) written out as what it is, "<U+202E>", so none
// reorders what follows it on the screen.
QString WithVisibleBidiControls(const QString& text);
inline QString WithVisibleBidiControls(const std::string& utf8)
{
    return WithVisibleBidiControls(QString::fromStdString(utf8));
}

// A field where names are typed shows such characters written out as they are typed or pasted.
void KeepBidiControlsVisible(QLineEdit& field);

// The reverse, for a field that showed such text and is read back: "<U+202E>" is the character.
std::string WithBidiControlsFromVisible(const QString& shown);

} // namespace kalvex
