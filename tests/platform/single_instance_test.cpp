// The single-instance guard: lock and raise request between two holders in one process, a
// lock that outlives no owner, and a socket only its user may write to.

#include "platform/qt/single_instance.h"
#include "tests/support/temp_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

using kalvex::SingleInstance;

class SingleInstanceTest : public QObject {
    Q_OBJECT
private:
    static QString RuntimePath(const QString& name)
    {
        return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + u'/' + name;
    }

private slots:
    void secondHolderIsRefusedAndRaisesTheFirst()
    {
        SingleInstance first(QStringLiteral("Guard1"));
        QVERIFY(first.Claim());
        QSignalSpy raised(&first, &SingleInstance::raiseRequested);
        for (int start = 0; start < 2; ++start) {
            SingleInstance second(QStringLiteral("Guard1"));
            QVERIFY(!second.Claim());
        }
        QTRY_VERIFY(raised.count() >= 1);
        // A different program title is a different program.
        SingleInstance other(QStringLiteral("Guard1Other"));
        QVERIFY(other.Claim());
    }

    void groupsAddedElsewhereReachTheRunningInstanceWithoutRaisingIt()
    {
        SingleInstance first(QStringLiteral("Guard5"));
        QVERIFY(first.Claim());
        QSignalSpy raised(&first, &SingleInstance::raiseRequested);
        QSignalSpy groups(&first, &SingleInstance::groupsChanged);
        SingleInstance(QStringLiteral("Guard5")).TellGroupsChanged();
        QTRY_COMPARE(groups.count(), 1);
        QCOMPARE(raised.count(), 0);
        // With nobody running, telling is harmless.
        SingleInstance(QStringLiteral("Guard5Nobody")).TellGroupsChanged();
    }

    void lockIsFreedWhenTheHolderGoes()
    {
        {
            SingleInstance first(QStringLiteral("Guard2"));
            QVERIFY(first.Claim());
        }
        SingleInstance next(QStringLiteral("Guard2"));
        QVERIFY(next.Claim());
        QSignalSpy raised(&next, &SingleInstance::raiseRequested);
        SingleInstance late(QStringLiteral("Guard2"));
        QVERIFY(!late.Claim());
        QTRY_COMPARE(raised.count(), 1);
    }

    void ownerThatDiedLeavesNoStaleLock()
    {
        // A child takes the guard and dies without cleaning up; its socket file stays behind.
        const pid_t child = fork();
        if (child == 0) {
            SingleInstance dying(QStringLiteral("Guard3"));
            _exit(dying.Claim() ? 0 : 1);
        }
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), 0);

        SingleInstance next(QStringLiteral("Guard3"));
        QVERIFY(next.Claim());
        QSignalSpy raised(&next, &SingleInstance::raiseRequested);
        SingleInstance late(QStringLiteral("Guard3"));
        QVERIFY(!late.Claim());
        QTRY_COMPARE(raised.count(), 1);
    }

    void socketIsPrivateToTheUser()
    {
        SingleInstance first(QStringLiteral("Guard4"));
        QVERIFY(first.Claim());
        struct stat info {};
        QCOMPARE(::stat(QFile::encodeName(RuntimePath(QStringLiteral("Guard4.socket"))).constData(), &info),
                 0);
        QVERIFY(S_ISSOCK(info.st_mode));
        QCOMPARE(info.st_mode & 0777, mode_t(0600));
    }

    void foreignMessagesDoNotRaise()
    {
        SingleInstance first(QStringLiteral("Guard5"));
        QVERIFY(first.Claim());
        QSignalSpy raised(&first, &SingleInstance::raiseRequested);
        const QByteArray path = QFile::encodeName(RuntimePath(QStringLiteral("Guard5.socket")));
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
        const int fd = ::socket(AF_UNIX, SOCK_DGRAM, 0);
        QVERIFY(fd >= 0);
        const char junk[] = "hello";
        QCOMPARE(::sendto(fd, junk, 5, 0, reinterpret_cast<const sockaddr*>(&address), sizeof address), 5);
        ::close(fd);
        QTest::qWait(100);
        QCOMPARE(raised.count(), 0);
    }

    // A lock folder that another user owns, or that others may write, could hold a lock planted
    // by someone else; the program then starts without the check and leaves nothing there.
    void foreignOrSharedLockFolderIsNotUsed()
    {
        const kalvex::testing::TempFolder shared;
        const QString sharedPath = QString::fromStdString(shared.Path());
        QCOMPARE(::chmod(shared.Path().c_str(), 0777), 0);
        const kalvex::testing::TempFolder foreign;
        const QString foreignPath = QString::fromStdString(foreign.Path());
        QCOMPARE(::chmod(foreign.Path().c_str(), 0700), 0);
        const bool canChown = ::chown(foreign.Path().c_str(), 65534, 65534) == 0;
        for (const QString& folder : {sharedPath, foreignPath, QString()}) {
            if (folder == foreignPath && !canChown)
                continue; // only the superuser can give a folder away
            SingleInstance first(QStringLiteral("Guard6"), folder);
            QVERIFY(first.Claim());
            SingleInstance second(QStringLiteral("Guard6"), folder);
            QVERIFY(second.Claim());
            if (!folder.isEmpty())
                QVERIFY(
                    QDir(folder).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System).isEmpty());
        }
        // The same folder made private again is used.
        QCOMPARE(::chmod(shared.Path().c_str(), 0700), 0);
        SingleInstance first(QStringLiteral("Guard6"), sharedPath);
        QVERIFY(first.Claim());
        SingleInstance second(QStringLiteral("Guard6"), sharedPath);
        QVERIFY(!second.Claim());
    }
};

int main(int argc, char** argv)
{
    // A private runtime folder, so the test meets no running copy of the program.
    const kalvex::testing::TempFolder runtime;
    ::chmod(runtime.Path().c_str(), 0700);
    ::setenv("XDG_RUNTIME_DIR", runtime.Path().c_str(), 1);
    QCoreApplication application(argc, argv);
    SingleInstanceTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "single_instance_test.moc"
