#include "platform/qt/single_instance.h"

#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

namespace kalvex {
namespace {

constexpr int kConnectTimeoutMs = 1000;
const QByteArray kRaiseRequest = "raise\n";

QString RuntimeFolder()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    QDir().mkpath(folder);
    return folder;
}

} // namespace

SingleInstance::SingleInstance(const QString& name, QObject* parent)
    : QObject(parent), m_lockPath(RuntimeFolder() + u'/' + name + QStringLiteral(".lock")),
      m_serverPath(RuntimeFolder() + u'/' + name + QStringLiteral(".socket"))
{
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::Claim()
{
    m_lock = std::make_unique<QLockFile>(m_lockPath);
    // A running instance's lock never grows stale with age; only a dead owner frees it.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0)) {
        Listen();
        return true;
    }
    // A lock that cannot be made at all (no writable folder) must not keep the program from
    // starting: only a lock held by a live process means another instance.
    if (m_lock->error() != QLockFile::LockFailedError)
        return true;
    m_lock.reset();
    AskRunningInstanceToRaise();
    return false;
}

void SingleInstance::Listen()
{
    QLocalServer::removeServer(m_serverPath);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server.listen(m_serverPath))
        return;
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* client = m_server.nextPendingConnection()) {
            connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
            connect(client, &QLocalSocket::readyRead, this, [this, client] {
                if (client->readAll().startsWith(kRaiseRequest.trimmed()))
                    emit raiseRequested();
            });
        }
    });
}

void SingleInstance::AskRunningInstanceToRaise()
{
    QLocalSocket socket;
    socket.connectToServer(m_serverPath);
    if (!socket.waitForConnected(kConnectTimeoutMs))
        return;
    socket.write(kRaiseRequest);
    socket.waitForBytesWritten(kConnectTimeoutMs);
    socket.disconnectFromServer();
}

} // namespace kalvex
