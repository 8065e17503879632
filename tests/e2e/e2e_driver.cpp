#include "tests/e2e/e2e_driver.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <cstdlib>

namespace kalvex::e2e {

namespace {

constexpr int kTickMs = 100;
constexpr int kGiveUpTicks = 600;
constexpr int kKeptOpenTicks = 5; // long enough to see a question that comes straight back

void Report(const char* what, const QString& text)
{
    std::printf("e2e %s %s\n", what, qPrintable(text));
    std::fflush(stdout);
}

QAbstractButton* ButtonWithId(QWidget& window, int id)
{
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>())
        if (button->property("controlId").toInt() == id)
            return button;
    return nullptr;
}

QComboBox* ListWithId(QWidget& window, int id)
{
    for (QComboBox* list : window.findChildren<QComboBox*>())
        if (list->property("controlId").toInt() == id)
            return list;
    return nullptr;
}

bool IsEditor(const QWidget& dialog)
{
    return dialog.findChild<QLineEdit*>(QStringLiteral("factorEdit")) != nullptr;
}

bool IsConversionDialog(const QWidget& dialog)
{
    return !IsEditor(dialog) && dialog.findChild<QLineEdit*>(QStringLiteral("inputEdit")) != nullptr;
}

} // namespace

E2eDriver::E2eDriver(Ending ending) : m_ending(ending)
{
    QTimer::singleShot(kTickMs, this, &E2eDriver::Tick);
}

void E2eDriver::Tick()
{
    // A fresh timer every tick: a repeating timer would not fire again inside the modal loops
    // that its own handler opens.
    QTimer::singleShot(kTickMs, this, &E2eDriver::Tick);
    if (++m_ticks > kGiveUpTicks) {
        Report("timeout", QString::number(static_cast<int>(m_step)));
        std::_Exit(3);
    }
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        if (m_step == Step::UserClosing || m_step == Step::Signalled || m_step == Step::KeptOpen ||
            m_step == Step::Ending)
            AnswerSignalQuestion(*box);
        else
            AnswerMessageBox(*box);
        return;
    }
    auto* dialog = qobject_cast<QDialog*>(modal);
    switch (m_step) {
    case Step::OpenGroup:
        if (!modal)
            OpenDistance();
        break;
    case Step::Convert:
        if (dialog && IsConversionDialog(*dialog))
            Convert(*dialog);
        break;
    case Step::EditFactor:
        if (dialog && IsEditor(*dialog))
            EditFactor(*dialog);
        break;
    case Step::CloseConversion:
        if (dialog && IsConversionDialog(*dialog)) {
            if (m_ending == Ending::SignalTwice || m_ending == Ending::SignalCancelThenNo) {
                SendSignal();
                break;
            }
            m_step = m_ending == Ending::SaveAndQuit ? Step::Quit : Step::UserClosing;
            ButtonWithId(*dialog, 2)->click();
        }
        break;
    case Step::KeptOpen:
        if (dialog && IsConversionDialog(*dialog) && ++m_keptOpenTicks == kKeptOpenTicks) {
            Report("kept-open", dialog->windowTitle());
            SendSignal();
        }
        break;
    case Step::Quit:
        if (!modal) {
            m_step = Step::Done;
            Report("done", {});
            for (QWidget* window : QApplication::topLevelWidgets())
                if (qobject_cast<QMainWindow*>(window) && window->isVisible())
                    window->close();
        }
        break;
    case Step::UserClosing:
    case Step::Signalled:
    case Step::Ending:
    case Step::Done:
        break;
    }
}

void E2eDriver::AnswerMessageBox(QWidget& widget)
{
    auto& box = static_cast<QMessageBox&>(widget);
    Report("asked", box.text());
    QAbstractButton* yes = box.button(QMessageBox::Yes);
    QAbstractButton* answer = yes ? yes : static_cast<QAbstractButton*>(box.defaultButton());
    if (answer)
        answer->click();
    else
        box.accept();
}

void E2eDriver::SendSignal()
{
    ++m_signals;
    Report("signal", QString::number(m_signals));
    m_step = Step::Signalled;
    std::raise(SIGTERM);
}

// Questions while the program closes on a signal: each is reported once; the driver answers as
// its ending says and leaves the rest to the program.
void E2eDriver::AnswerSignalQuestion(QMessageBox& box)
{
    const bool fresh = m_reportedBox != &box;
    if (fresh) {
        m_reportedBox = &box;
        Report("asked", box.text());
    }
    if (m_step == Step::Ending)
        return;
    if (m_ending == Ending::CloseSignalThenNo) {
        // The signal comes while the user's own question is open; the question must stay.
        if (m_signals == 0) {
            SendSignal();
        } else if (++m_openQuestionTicks == kKeptOpenTicks) {
            Report("still-asked", {});
            m_step = Step::Ending;
            box.button(QMessageBox::No)->click();
        }
        return;
    }
    if (!fresh)
        return;
    if (m_ending == Ending::SignalTwice) {
        SendSignal();
        m_step = Step::Ending;
    } else if (m_signals == 1) {
        m_step = Step::KeptOpen;
        box.button(QMessageBox::Cancel)->click();
    } else {
        m_step = Step::Ending;
        box.button(QMessageBox::No)->click();
    }
}

void E2eDriver::OpenDistance()
{
    QAbstractScrollArea* view = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (!view)
            view = window->findChild<QAbstractScrollArea*>(QStringLiteral("launcherView"));
    if (!view || !view->isVisible())
        return;
    QAccessibleInterface* launcher = QAccessible::queryAccessibleInterface(view);
    for (int i = 0; launcher && i < launcher->childCount(); ++i) {
        QAccessibleInterface* icon = launcher->child(i);
        if (!icon || icon->text(QAccessible::Name) != QLatin1String("Distance"))
            continue;
        Report("open", icon->text(QAccessible::Name));
        m_step = Step::Convert;
        const QPoint point = view->viewport()->mapFromGlobal(icon->rect().center());
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, point); // returns when the dialog closes
        return;
    }
}

void E2eDriver::Convert(QDialog& dialog)
{
    auto* input = dialog.findChild<QLineEdit*>(QStringLiteral("inputEdit"));
    input->setFocus();
    input->selectAll();
    QTest::keyClicks(input, QStringLiteral("12"));
    QTest::keyClick(input, Qt::Key_Return);
    for (QLineEdit* field : dialog.findChildren<QLineEdit*>())
        if (field->objectName().startsWith(QLatin1String("resultEdit")) && field->isVisible())
            Report("result", field->text());
    m_step = Step::EditFactor;
    ButtonWithId(dialog, 712)->click(); // returns when the editor closes
}

void E2eDriver::EditFactor(QDialog& editor)
{
    ListWithId(editor, 101)->setCurrentIndex(0);
    ListWithId(editor, 104)->setCurrentIndex(1);
    auto* factor = editor.findChild<QLineEdit*>(QStringLiteral("factorEdit"));
    factor->setText(QStringLiteral("40"));
    ButtonWithId(editor, 107)->click();
    Report("factor", factor->text());
    m_step = Step::CloseConversion;
    ButtonWithId(editor, 699)->click();
}

} // namespace kalvex::e2e
