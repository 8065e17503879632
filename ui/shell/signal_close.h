#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <vector>

namespace kalvex {

// Closes the program on a termination signal as a user close would: the open windows, innermost
// first, each through its own close procedure at most once per signal, then the main window.
// Questions those procedures ask are left to the user. A window that stays open (its question
// answered Cancel) ends the attempt; the program runs on. A further signal while a question or a
// close procedure is still waiting gives up that window's unsaved edits and ends the program at
// once, after saveSettings has written everything else.
class SignalClose : public QObject {
    Q_OBJECT
public:
    struct Actions {
        std::function<void()> closeMainWindow;
        std::function<void()> saveSettings;
        std::function<void(int exitCode)> endProcess; // does not return in the program
    };

    explicit SignalClose(Actions actions, QObject* parent = nullptr);

    void OnSignal(int signalNumber);

private:
    void CloseNextWindow();
    void WaitForQuestion(QWidget& question);
    void EndWithoutSaving(int signalNumber);

    Actions m_actions;
    std::vector<QPointer<QWidget>> m_closed; // windows whose close procedure this attempt ran
    QPointer<QWidget> m_closing;             // the window whose close procedure is running
    QPointer<QWidget> m_waitingQuestion;     // a question that was open when the signal came
};

} // namespace kalvex
