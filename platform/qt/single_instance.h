#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <memory>

namespace kalvex {

// Keeps a second copy of the program from running. The first copy holds a lock file and
// listens on a local socket, both named after the application title in the user's runtime
// folder; a later copy finds the lock taken, asks the first to come to the front, and ends.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString& name, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True for the first instance, which keeps the lock for its lifetime. False when another
    // instance runs; it has then been asked to raise its main window.
    bool Claim();

signals:
    void raiseRequested();

private:
    void AskRunningInstanceToRaise();
    void Listen();

    QString m_lockPath;
    QString m_serverPath;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer m_server;
};

} // namespace kalvex
