#include "platform/qt/termination_signals.h"

#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace kalvex {

#ifdef Q_OS_UNIX
namespace {

// The handler may only write to a descriptor; the notifier reads it on the event loop.
int g_signalPipe[2] = {-1, -1};

extern "C" void OnTerminationSignal(int signalNumber)
{
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    [[maybe_unused]] const ssize_t written = ::write(g_signalPipe[0], &byte, 1);
}

void Install(int signalNumber, void (*handler)(int))
{
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(signalNumber, &action, nullptr);
}

} // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent)
{
    if (g_signalPipe[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_signalPipe) != 0)
        return;
    m_notifier = new QSocketNotifier(g_signalPipe[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        unsigned char byte = 0;
        if (::read(g_signalPipe[1], &byte, 1) == 1)
            emit terminationRequested(byte);
    });
    Install(SIGINT, OnTerminationSignal);
    Install(SIGTERM, OnTerminationSignal);
}

TerminationSignals::~TerminationSignals()
{
    Install(SIGINT, SIG_DFL);
    Install(SIGTERM, SIG_DFL);
}
#else
TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {}
TerminationSignals::~TerminationSignals() = default;
#endif

} // namespace kalvex
