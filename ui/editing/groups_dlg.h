#pragma once

#include <QDialog>

namespace kalvex {

struct AppState;
class CDragListBox;

// Enables and disables whole groups: two sorted lists of "key name" entries, moved between by
// the Enable and Disable buttons or by dragging. OK writes every group's enabled flag and the
// counts NumStd and NumActCust and ends with 1; Cancel writes nothing and ends with 2, after
// which the launcher lists the same groups again. Run it through app.services.dialogs->Run(dialog).
class CGroupsDlg final : public QDialog {
    Q_OBJECT
public:
    static constexpr int kCancelled = 2;

    explicit CGroupsDlg(AppState& app, QWidget* parent = nullptr);

    void reject() override;

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildControls();
    void ListGroups();
    static void MoveSelected(CDragListBox& from, CDragListBox& to);
    void OnOk();

    AppState& m_app;
    CDragListBox* m_disabled = nullptr;
    CDragListBox* m_enabled = nullptr;
};

} // namespace kalvex
