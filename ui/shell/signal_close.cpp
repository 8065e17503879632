#include "ui/shell/signal_close.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTimer>
#include <algorithm>
#include <cstdio>

namespace kalvex {
namespace {

bool IsQuestion(const QWidget& window)
{
    return qobject_cast<const QMessageBox*>(&window) != nullptr;
}

// The window whose edits a question is about: the one it was asked for.
QString OwnerTitle(const QWidget* window)
{
    if (window && IsQuestion(*window) && window->parentWidget())
        window = window->parentWidget()->window();
    return window ? window->windowTitle() : QString();
}

} // namespace

SignalClose::SignalClose(Actions actions, QObject* parent) : QObject(parent), m_actions(std::move(actions)) {}

void SignalClose::OnSignal(int signalNumber)
{
    if (m_closing || m_waitingQuestion) {
        EndWithoutSaving(signalNumber);
        return;
    }
    m_closed.clear();
    CloseNextWindow();
}

void SignalClose::CloseNextWindow()
{
    while (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) {
        m_actions.closeMainWindow();
        return;
    }
    if (IsQuestion(*modal)) {
        WaitForQuestion(*modal);
        return;
    }
    if (std::find(m_closed.begin(), m_closed.end(), modal) != m_closed.end())
        return; // its close procedure ran and the user chose to keep it
    m_closed.emplace_back(modal);
    m_closing = modal;
    if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->reject();
    else
        modal->close();
    const bool keptOpen = m_closing && m_closing->isVisible();
    m_closing = nullptr;
    if (keptOpen)
        return;
    // The window's own event loop ends first; what its caller does next may open another.
    QTimer::singleShot(0, this, &SignalClose::CloseNextWindow);
}

void SignalClose::WaitForQuestion(QWidget& question)
{
    std::fprintf(stderr,
                 "%s: a question is open; answer it to go on closing, or send the signal "
                 "again to end without saving \"%s\".\n",
                 qPrintable(QApplication::applicationName()), qPrintable(OwnerTitle(&question)));
    m_waitingQuestion = &question;
    connect(&question, &QObject::destroyed, this, [this] {
        m_waitingQuestion = nullptr;
        QTimer::singleShot(0, this, &SignalClose::CloseNextWindow);
    });
}

void SignalClose::EndWithoutSaving(int signalNumber)
{
    const QWidget* abandoned = m_closing ? m_closing.data() : m_waitingQuestion.data();
    std::fprintf(stderr,
                 "%s: ended by a second signal while a question was open; the unsaved "
                 "changes in \"%s\" were not saved.\n",
                 qPrintable(QApplication::applicationName()), qPrintable(OwnerTitle(abandoned)));
    std::fflush(stderr);
    m_actions.saveSettings();
    m_actions.endProcess(128 + signalNumber);
}

} // namespace kalvex
