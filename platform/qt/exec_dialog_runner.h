#pragma once

#include "platform/qt/dialog_runner.h"

#include <QDialog>

namespace kalvex {

class ExecDialogRunner final : public IDialogRunner {
public:
    int Run(QDialog& dialog) override { return dialog.exec(); }
};

} // namespace kalvex
