#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <string_view>

class QSocketNotifier;

namespace kalvex {

// Keeps a second copy of the program from running. The first copy holds a lock on a file and
// listens on a local datagram socket, both named after the application title in the user's
// runtime folder; a later copy finds the lock taken, asks the first to come to the front, and
// ends. The folder must be the user's own and writable by no one else; where it is not, every
// copy runs. Plain POSIX calls, so no networking library is loaded at start-up.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString& name, const QString& folder = UserRuntimeFolder(),
                            QObject* parent = nullptr);
    ~SingleInstance() override;

    // True for the first instance, which keeps the lock for its lifetime. False when another
    // instance runs; it has then been asked to raise its main window.
    bool Claim();

    static QString UserRuntimeFolder();
    // Tells the running instance, if any, that groups were added from outside it.
    void TellGroupsChanged() const;

signals:
    void raiseRequested();
    void groupsChanged();

private:
    void Send(std::string_view request) const;
    void Listen();
    void ReadRequests();

    QByteArray m_lockPath;
    QByteArray m_socketPath;
    int m_lockFd = -1;
    int m_socketFd = -1;
    std::unique_ptr<QSocketNotifier> m_notifier;
};

} // namespace kalvex
