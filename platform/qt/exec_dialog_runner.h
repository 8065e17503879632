#pragma once

#include "platform/qt/dialog_runner.h"

#include <QDialog>

namespace kalvex {

class ExecDialogRunner final : public IDialogRunner {
public:
    // A dialog blocks only the windows it belongs to, so that the help window (which belongs to
    // none) can still be read, scrolled and closed while the dialog is open. A dialog without
    // an owner has nothing to be modal to and stays modal to the whole program.
    int Run(QDialog& dialog) override
    {
        if (dialog.parentWidget())
            dialog.setWindowModality(Qt::WindowModal);
        return dialog.exec();
    }
};

} // namespace kalvex
