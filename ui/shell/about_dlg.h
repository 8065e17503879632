#pragma once

#include <QDialog>

namespace kalvex {

struct AppState;

// Help > About: the program's name, edition and version, and the way to the system information.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 100;
    static constexpr int kSysInfoButtonId = 300;

    // systemFolder is what the system information shows as the system's directory.
    CAboutDlg(AppState& app, QString systemFolder, QWidget* parent = nullptr);

    // "Sys Info...": the system information dialog, modal, through the dialog runner.
    void OnSysInfo();

private:
    AppState& m_app;
    QString m_systemFolder;
};

} // namespace kalvex
