#pragma once

#include <QObject>

#include <QPointer>
#include <QWidget>

class QDialog;
class QMessageBox;

namespace kalvex::e2e {

// Drives the real program as a user would, from inside its own process: answers the first-run
// question, double-clicks the Distance icon (found through the launcher's accessible items),
// converts 12, changes a factor in the group editor, then ends as the ending asks. Prints what
// it saw as "e2e <what> <text>" lines on standard output.
class E2eDriver final : public QObject {
    Q_OBJECT
public:
    enum class Ending {
        SaveAndQuit,        // closes the conversion window, saves, closes the main window
        SignalTwice,        // SIGTERM, and SIGTERM again while the save question is open
        SignalCancelThenNo, // SIGTERM, Cancel, a pause, SIGTERM again and No
        CloseSignalThenNo   // Close, SIGTERM while the save question is open, a pause, No
    };
    explicit E2eDriver(Ending ending);

private:
    enum class Step {
        OpenGroup,
        Convert,
        EditFactor,
        CloseConversion,
        Quit,
        UserClosing,
        Signalled,
        KeptOpen,
        Ending,
        Done
    };

    void Tick();
    void AnswerMessageBox(QWidget& box);
    void OpenDistance();
    void Convert(QDialog& dialog);
    void EditFactor(QDialog& editor);
    void SendSignal();
    void AnswerSignalQuestion(QMessageBox& box);

    Ending m_ending;
    Step m_step = Step::OpenGroup;
    int m_ticks = 0;
    int m_signals = 0;
    int m_keptOpenTicks = 0;
    int m_openQuestionTicks = 0;
    QPointer<QWidget> m_reportedBox;
};

} // namespace kalvex::e2e
