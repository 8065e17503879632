#include "platform/qt/single_instance.h"

#include <QFile>
#include <QSocketNotifier>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string_view>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace kalvex {
namespace {

constexpr std::string_view kRaiseRequest = "raise";
constexpr std::string_view kGroupsRequest = "groups";

// A folder where no one else can place, replace or hold our lock: a real folder (not a link)
// owned by this user that neither group nor others may write.
bool IsPrivateFolder(const QString& folder)
{
    struct stat info {};
    if (folder.isEmpty() || ::lstat(QFile::encodeName(folder).constData(), &info) != 0)
        return false;
    return S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() && (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

// False when the path does not fit a socket address; the instance then only holds its lock.
bool FillAddress(const QByteArray& path, sockaddr_un& address)
{
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (path.isEmpty() || static_cast<std::size_t>(path.size()) >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
    return true;
}

} // namespace

QString SingleInstance::UserRuntimeFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
}

SingleInstance::SingleInstance(const QString& name, const QString& folder, QObject* parent) : QObject(parent)
{
    // Without a private folder there is no safe place for the lock: the program then runs
    // without the check rather than let another user's file keep it from starting.
    if (!IsPrivateFolder(folder))
        return;
    m_lockPath = QFile::encodeName(folder + u'/' + name + QStringLiteral(".lock"));
    m_socketPath = QFile::encodeName(folder + u'/' + name + QStringLiteral(".socket"));
}

SingleInstance::~SingleInstance()
{
    m_notifier.reset();
    if (m_socketFd >= 0) {
        ::close(m_socketFd);
        ::unlink(m_socketPath.constData());
    }
    // Closing the descriptor releases the lock; the file stays, so no later copy can lock a
    // file that is about to be removed.
    if (m_lockFd >= 0)
        ::close(m_lockFd);
}

bool SingleInstance::Claim()
{
    if (m_lockPath.isEmpty())
        return true;
    m_lockFd = ::open(m_lockPath.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, S_IRUSR | S_IWUSR);
    // A lock that cannot be made at all (no writable folder) must not keep the program from
    // starting: only a lock held by a live process means another instance. The system drops
    // the lock of a process that ends in any way, so it never goes stale.
    if (m_lockFd < 0)
        return true;
    int result = 0;
    while ((result = ::flock(m_lockFd, LOCK_EX | LOCK_NB)) != 0 && errno == EINTR) {
    }
    if (result == 0) {
        Listen();
        return true;
    }
    const bool heldByAnother = errno == EWOULDBLOCK;
    if (!heldByAnother)
        return true;
    ::close(m_lockFd);
    m_lockFd = -1;
    Send(kRaiseRequest);
    return false;
}

void SingleInstance::Listen()
{
    sockaddr_un address;
    if (!FillAddress(m_socketPath, address))
        return;
    m_socketFd = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (m_socketFd < 0)
        return;
    // Whoever left the socket behind no longer holds the lock, so it is no one's now.
    ::unlink(m_socketPath.constData());
    // Only this user may send to it (the runtime folder is private to the user as well).
    if (::bind(m_socketFd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::chmod(m_socketPath.constData(), S_IRUSR | S_IWUSR) != 0) {
        ::close(m_socketFd);
        m_socketFd = -1;
        return;
    }
    m_notifier = std::make_unique<QSocketNotifier>(m_socketFd, QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &SingleInstance::ReadRequests);
}

void SingleInstance::ReadRequests()
{
    char buffer[64];
    ssize_t got = 0;
    bool raise = false;
    bool groups = false;
    // Drains every queued request; several in a row are answered once each.
    while ((got = ::recv(m_socketFd, buffer, sizeof buffer, 0)) >= 0 || errno == EINTR) {
        const std::string_view request(buffer, got >= 0 ? static_cast<std::size_t>(got) : 0);
        raise = raise || request == kRaiseRequest;
        groups = groups || request == kGroupsRequest;
    }
    if (groups)
        emit groupsChanged();
    if (raise)
        emit raiseRequested();
}

void SingleInstance::TellGroupsChanged() const
{
    Send(kGroupsRequest);
}

void SingleInstance::Send(std::string_view request) const
{
    sockaddr_un address;
    if (!FillAddress(m_socketPath, address))
        return;
    const int fd = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return;
    // A datagram is queued at once or not at all; the running copy reads it from its event loop.
    ::sendto(fd, request.data(), request.size(), MSG_DONTWAIT, reinterpret_cast<const sockaddr*>(&address),
             sizeof address);
    ::close(fd);
}

} // namespace kalvex
