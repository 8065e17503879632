#pragma once

#include "platform/qt/dialog_runner.h"

#include <QDialog>
#include <deque>
#include <functional>

namespace kalvex::testing {

// Answers nested dialogs from a script: each step gets the dialog (shown, not modal) and
// returns its result, after driving its controls as a user would. With no step left the
// dialog counts as unexpected and is rejected.
class ScriptedDialogRunner final : public IDialogRunner {
public:
    using Step = std::function<int(QDialog&)>;

    int Run(QDialog& dialog) override
    {
        ++runs;
        if (steps.empty()) {
            ++unexpected;
            return QDialog::Rejected;
        }
        Step step = std::move(steps.front());
        steps.pop_front();
        dialog.show();
        int result = step(dialog);
        dialog.hide();
        return result;
    }

    std::deque<Step> steps;
    int runs = 0;
    int unexpected = 0;
};

} // namespace kalvex::testing
