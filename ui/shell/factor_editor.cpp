#include "ui/shell/factor_editor.h"

#include "platform/qt/dialog_runner.h"
#include "storage/app_state.h"
#include "ui/editing/group_def_dlg.h"

namespace kalvex {

FactorEditor GroupFactorEditor(AppState& app, CurrentGroup& current)
{
    return [&app, &current](int groupId, int unitCount, QWidget* parent) {
        // A negative unit count opens the editor on the factors alone.
        CGroupDefDlg editor(app, current, groupId, -unitCount, parent);
        return app.services.dialogs->Run(editor) != 0;
    };
}

} // namespace kalvex
