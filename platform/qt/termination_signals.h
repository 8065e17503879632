#pragma once

#include <QObject>

class QSocketNotifier;

namespace kalvex {

// Turns SIGINT and SIGTERM into a signal on the user-interface thread, so the program can close
// its main window as a user would instead of dying with unsaved placement and settings.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

signals:
    void terminationRequested(int signalNumber);

private:
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace kalvex
