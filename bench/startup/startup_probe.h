#pragma once

#include <QObject>

class QMessageBox;
class QWidget;

namespace kalvex::bench {

// Watches a starting Qt Widgets program from inside its own process, so the program needs no
// hooks of its own. It answers every message box with its Yes (or default) button and prints
// "probe asked <text>"; when the first main window has painted its first frame it prints
// "probe shown <steady-clock microseconds> <resident kB>" and closes that window.
class StartupProbe final : public QObject {
    Q_OBJECT
public:
    explicit StartupProbe(QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Answer(QMessageBox* box);
    void ReportShown(QWidget* mainWindow);

    bool m_shownSeen = false;
};

} // namespace kalvex::bench
