#include "bench/startup/startup_probe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

namespace kalvex::bench {
namespace {

long ResidentKilobytes()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

long long SteadyMicroseconds()
{
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// One line per report: line breaks in a message text are written as "\n".
QByteArray OneLine(const QString& text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    escaped.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    return escaped.toUtf8();
}

QAbstractButton* AcceptingButton(QMessageBox* box)
{
    if (QAbstractButton* yes = box->button(QMessageBox::Yes))
        return yes;
    if (QAbstractButton* fallback = box->defaultButton())
        return fallback;
    const QList<QAbstractButton*> buttons = box->buttons();
    return buttons.isEmpty() ? nullptr : buttons.front();
}

} // namespace

StartupProbe::StartupProbe(QObject* parent) : QObject(parent)
{
    QCoreApplication::instance()->installEventFilter(this);
}

bool StartupProbe::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show) {
        if (auto* box = qobject_cast<QMessageBox*>(watched))
            Answer(box);
    } else if (event->type() == QEvent::Paint && !m_shownSeen) {
        auto* window = qobject_cast<QMainWindow*>(watched);
        if (window != nullptr && window->isWindow()) {
            m_shownSeen = true;
            // Queued, so the report comes after the whole first frame has been painted.
            QMetaObject::invokeMethod(
                this, [this, target = QPointer<QWidget>(window)] { ReportShown(target); },
                Qt::QueuedConnection);
        }
    }
    return QObject::eventFilter(watched, event);
}

void StartupProbe::Answer(QMessageBox* box)
{
    std::printf("probe asked %s\n", OneLine(box->text()).constData());
    std::fflush(stdout);
    QPointer<QAbstractButton> button = AcceptingButton(box);
    QMetaObject::invokeMethod(
        box,
        [button] {
            if (button)
                button->click();
        },
        Qt::QueuedConnection);
}

void StartupProbe::ReportShown(QWidget* mainWindow)
{
    std::printf("probe shown %lld %ld\n", SteadyMicroseconds(), ResidentKilobytes());
    std::fflush(stdout);
    if (mainWindow != nullptr)
        mainWindow->close();
}

} // namespace kalvex::bench
