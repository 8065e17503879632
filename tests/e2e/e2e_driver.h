#pragma once

#include <QObject>

class QDialog;
class QWidget;

namespace kalvex::e2e {

// Drives the real program as a user would, from inside its own process: answers the first-run
// question, double-clicks the Distance icon (found through the launcher's accessible items),
// converts 12, changes a factor in the group editor, saves on closing and quits. Prints what
// it saw as "e2e <what> <text>" lines on standard output.
class E2eDriver final : public QObject {
    Q_OBJECT
public:
    E2eDriver();

private:
    enum class Step { OpenGroup, Convert, EditFactor, CloseConversion, Quit, Done };

    void Tick();
    void AnswerMessageBox(QWidget& box);
    void OpenDistance();
    void Convert(QDialog& dialog);
    void EditFactor(QDialog& editor);

    Step m_step = Step::OpenGroup;
    int m_ticks = 0;
};

} // namespace kalvex::e2e
