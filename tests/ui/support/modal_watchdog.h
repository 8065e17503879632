#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace kalvex::testing {

// Closes any modal window a test did not expect, so a mistake fails the test instead of
// hanging the suite. Check `caught` at the end of the test.
class ModalWatchdog : public QObject {
public:
    explicit ModalWatchdog(int intervalMs = 200)
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                ++caught;
                modal->close();
            }
        });
        m_timer.start(intervalMs);
    }
    int caught = 0;

private:
    QTimer m_timer;
};

} // namespace kalvex::testing
