#pragma once

class QDialog;

namespace kalvex {

// Runs a modal dialog and returns its result. Windows open nested dialogs through this,
// so tests can answer them from a script instead of entering a modal loop.
class IDialogRunner {
public:
    virtual ~IDialogRunner() = default;
    virtual int Run(QDialog& dialog) = 0;
};

} // namespace kalvex
